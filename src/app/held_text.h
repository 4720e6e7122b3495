#pragma once

#include <QPlainTextEdit>
#include <QPointer>
#include <QString>

// The multi-line box's newest text while a handler runs. A command that
// writes the box several times in a row, as Build does, has it laid out once:
// the widget gets only the last text, when the handler returns or lets the
// user see or touch the windows.
class HeldText {
public:
    // Starts and ends one handler's run; runs nest.
    void beginHandler() { ++handlers_; }
    void endHandler();

    // Outside a handler the text goes to the widget at once.
    void set(QPlainTextEdit* box, const QString& text);
    // The box's text as the handler last wrote it, or as the widget holds it.
    QString text(const QPlainTextEdit* box) const;
    // Gives the widget the text it is waiting for.
    void release();

private:
    int handlers_ = 0;
    QPointer<QPlainTextEdit> box_;
    QString text_;
};
