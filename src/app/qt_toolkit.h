#pragma once

#include "app/dispatch.h"
#include "app/event_router.h"
#include "app/toolkit/toolkit.h"
#include "app/window_set.h"

// The toolkit the handlers ask for, made of Qt widgets: each operation on the
// program's windows, which it creates from their designs when first shown
// and whose events it hands to the dispatcher.
class QtToolkit : public Toolkit {
public:
    explicit QtToolkit(Dispatcher& dispatcher);

    // The open window, or null.
    QWidget* window(WindowId id) const { return windows_.window(id); }

    QString text(Control box) const override;
    void setText(Control box, const QString& text) override;
    void setVisible(Control picture, bool visible) override;
    void setTextColor(Control label, std::optional<QRgb> colour) override;
    void showWindow(WindowId window) override;
    void closeWindow(WindowId window) override;
    void endProgram() override;
    void setStaysOnTop(WindowId window, bool onTop) override;
    std::uintptr_t nativeHandle(WindowId window) const override;
    int messageBox(const QString& text, int style, const QString& title) override;
    void setSaveDialogFilter(Control dialog, const QString& filter) override;
    QString showSaveDialog(Control dialog) override;
    void processEvents() override;

private:
    Dispatcher& dispatcher_;
    EventRouter router_;
    // Last, so that the windows go before what routes their events.
    WindowSet windows_;
};
