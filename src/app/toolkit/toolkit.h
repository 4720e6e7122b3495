#pragma once

#include "app/toolkit/control.h"
#include "app/toolkit/message_styles.h"

#include <QRgb>
#include <QString>
#include <cstdint>
#include <optional>

// Everything the handlers ask of the windowing toolkit. The Qt adapter is the
// real thing; tests answer the modal parts with a recording fake.
class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Text boxes. The multi-line box reads and writes CR LF between lines.
    virtual QString text(Control box) const = 0;
    virtual void setText(Control box, const QString& text) = 0;

    // Pictures appear or disappear at once, in place.
    virtual void setVisible(Control picture, bool visible) = 0;

    // The caption is redrawn in that colour, or in the palette's own text
    // colour when none is given.
    virtual void setTextColor(Control label, std::optional<QRgb> colour) = 0;

    // Creates the window from its design if it is not open, shows it
    // modeless and brings it to the front.
    virtual void showWindow(WindowId window) = 0;
    // Closes and destroys the window; the other windows are untouched.
    virtual void closeWindow(WindowId window) = 0;
    // Every window disappears at once and no further handler runs.
    virtual void endProgram() = 0;

    // Keeps the window above all ordinary windows, or returns it to the
    // ordinary stacking order, without moving or resizing it.
    virtual void setStaysOnTop(WindowId window, bool onTop) = 0;
    // The handle the window manager knows the window by; 0 if it is not open.
    virtual std::uintptr_t nativeHandle(WindowId window) const = 0;

    // A modal box; an empty title stands for the application title.
    // Returns the button pressed (MessageAnswer).
    virtual int messageBox(const QString& text, int style = MessageStyle::Ok, const QString& title = {}) = 0;

    // A window's Save dialog component: its pipe-separated file-type list,
    // then a modal showing that yields the chosen full path, or nothing when
    // the user cancels.
    virtual void setSaveDialogFilter(Control dialog, const QString& filter) = 0;
    virtual QString showSaveDialog(Control dialog) = 0;

    // Lets the events that are waiting be handled once.
    virtual void processEvents() = 0;
};
