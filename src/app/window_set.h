#pragma once

#include "app/toolkit/toolkit.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <optional>

// The program's open windows, at most one of each, created from their
// designs when first asked for.
class WindowSet {
public:
    WindowSet() = default;
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;
    ~WindowSet();

    // The open window, or null.
    QWidget* window(WindowId id) const { return windows_[slot(id)].data(); }
    // The open window, or a new one made from its design, which `created` tells.
    QWidget* open(WindowId id, bool& created);
    // Which of the program's windows this top-level widget is.
    std::optional<WindowId> idOf(const QWidget* window) const;

    // A control of an open window by its design name, or null when the
    // window is not open. A name the window's design does not give a T is a
    // design fault.
    template <typename T = QWidget> T* find(Control control) const
    {
        QWidget* top = window(control.window);
        if (!top)
            return nullptr;
        T* found = top->findChild<T*>(control.objectName());
        if (!found)
            reportUnknown(control, T::staticMetaObject.className());
        return found;
    }

    void hideAll();

    // Keeps the window above other programs' windows, or returns it to the
    // ordinary stacking order. While one is kept there, the program's other
    // windows, those opened later included, are kept there with it, so that
    // none opens or comes forward hidden under it; they leave with it.
    void setStaysOnTop(WindowId id, bool onTop);

private:
    static void reportUnknown(Control control, const char* kind);
    static std::size_t slot(WindowId id) { return static_cast<std::size_t>(id); }
    bool keptAbove() const { return pinned_ && window(*pinned_); }
    void applyStaysOnTop();

    std::array<QPointer<QWidget>, 3> windows_;
    std::optional<WindowId> pinned_;
    QMetaObject::Connection pinnedClosing_;
};
