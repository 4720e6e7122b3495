#pragma once

#include "app/dispatch.h"
#include "app/toolkit.h"

#include <QObject>
#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>
#include <array>

// The toolkit the handlers ask for, made of Qt widgets. It creates each
// window from its design when first shown, keeps at most one of each, and
// routes the windows' events into the dispatcher.
class QtToolkit : public QObject, public Toolkit {
    Q_OBJECT

public:
    QtToolkit();
    ~QtToolkit() override;

    void setDispatcher(Dispatcher* dispatcher) { dispatcher_ = dispatcher; }

    // The open window, or null.
    QWidget* window(WindowId id) const;

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* create(WindowId id);
    void wire(WindowId id, QWidget* window);
    QWidget* control(Control control) const;
    bool dispatch(WindowId window, std::string_view control, Event event, const MouseMoveArgs& args = {});
    void applyDeferredText();

    std::array<QPointer<QWidget>, 3> windows_;
    Dispatcher* dispatcher_ = nullptr;
    QPointer<QWidget> pressed_;
    // The multi-line box's latest text, given to the widget before it handles
    // any event, so that a command writing the box several times in a row
    // has it laid out once.
    QPointer<QPlainTextEdit> deferredBox_;
    QString deferredText_;
};
