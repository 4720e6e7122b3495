#include "app/window_set.h"

#include "app/design_fault.h"
#include "forms/Form1/form1_window.h"
#include "forms/Form2/form2_window.h"
#include "forms/aboutmeta/aboutmeta_window.h"

#include <QWindow>
#include <algorithm>

namespace {

QWidget* create(WindowId id)
{
    switch (id) {
    case WindowId::Form1:
        return new Form1Window;
    case WindowId::Form2:
        return new Form2Window;
    case WindowId::aboutmeta:
        return new AboutmetaWindow;
    }
    return nullptr;
}

} // namespace

WindowSet::~WindowSet()
{
    QObject::disconnect(pinnedClosing_);
    for (QPointer<QWidget>& window : windows_)
        delete window.data();
}

QWidget* WindowSet::open(WindowId id, bool& created)
{
    QPointer<QWidget>& window = windows_[slot(id)];
    created = !window;
    if (created) {
        window = create(id);
        applyStaysOnTop();
    }
    return window.data();
}

std::optional<WindowId> WindowSet::idOf(const QWidget* window) const
{
    const auto found = std::ranges::find(windows_, window);
    if (!window || found == windows_.end())
        return std::nullopt;
    return static_cast<WindowId>(found - windows_.begin());
}

void WindowSet::reportUnknown(Control control, const char* kind)
{
    reportDesignFault({windowName(control.window), " has no ", kind, " named ", control.name});
}

void WindowSet::hideAll()
{
    for (const QPointer<QWidget>& window : windows_) {
        if (window)
            window->hide();
    }
}

void WindowSet::setStaysOnTop(WindowId id, bool onTop)
{
    QObject::disconnect(pinnedClosing_);
    pinned_.reset();
    if (onTop && window(id)) {
        pinned_ = id;
        pinnedClosing_ = QObject::connect(window(id), &QObject::destroyed, [this] {
            pinned_.reset();
            applyStaysOnTop();
        });
    }
    applyStaysOnTop();
}

void WindowSet::applyStaysOnTop()
{
    const bool above = keptAbove();
    for (const QPointer<QWidget>& window : windows_) {
        if (!window || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == above)
            continue;
        // Setting the widget's flags would hide a shown window: the native
        // window's flag changes in place, and the widget is only told.
        window->overrideWindowFlags(window->windowFlags().setFlag(Qt::WindowStaysOnTopHint, above));
        if (QWindow* native = window->windowHandle())
            native->setFlag(Qt::WindowStaysOnTopHint, above);
    }
}
