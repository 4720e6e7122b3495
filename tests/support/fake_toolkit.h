#pragma once

#include "app/toolkit.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// A toolkit that records what the handlers ask of it and answers the modal
// parts with what the test queued. Each call is logged as one line, such as
// "setText Form1.Text4 <TITLE>..." or "messageBox 16 Error|Please ...".
class FakeToolkit : public Toolkit {
public:
    static QString key(Control control);

    QString text(Control box) const override;
    void setText(Control box, const QString& text) override;
    void setVisible(Control picture, bool visible) override;
    void setTextColor(Control label, QRgb colour) override;
    void showWindow(WindowId window) override;
    void closeWindow(WindowId window) override;
    void endProgram() override;
    void setStaysOnTop(WindowId window, bool onTop) override;
    std::uintptr_t nativeHandle(WindowId window) const override;
    int messageBox(const QString& text, int style, const QString& title) override;
    void setSaveDialogFilter(const QString& filter) override;
    QString showSaveDialog() override;
    void processEvents() override;

    // State as the handlers left it.
    QHash<QString, QString> texts;
    QHash<QString, bool> visible;
    QHash<QString, QRgb> colours;
    QStringList log;

    // Answers: buttons for the next boxes (OK when none is queued), paths for
    // the next Save dialogs (cancelled when none is queued), and what runs
    // while the waiting events are handled.
    QList<int> boxAnswers;
    QStringList dialogAnswers;
    std::function<void()> onProcessEvents;
    // Called while a box is open, before it is answered.
    std::function<void(const QString& text)> whileBoxOpen;
};
