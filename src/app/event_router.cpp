#include "app/event_router.h"

#include "forms/controls/click_target.h"

#include <QAbstractButton>
#include <QAction>
#include <QMainWindow>
#include <QMouseEvent>

namespace {

int buttonCode(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

// The name a dispatch row gives the widget: the window's own client area is
// the window itself.
std::string controlName(const QWidget* widget)
{
    const QWidget* top = widget->window();
    const auto* main = qobject_cast<const QMainWindow*>(top);
    const bool itself = widget == top || (main && widget == main->centralWidget());
    return itself ? std::string(kWindowItself) : widget->objectName().toStdString();
}

} // namespace

EventRouter::EventRouter(const WindowSet& windows, Deliver deliver) : windows_(windows), deliver_(std::move(deliver)) {}

void EventRouter::deliver(WindowId window, const std::string& control, Event event, const MouseMoveArgs& args)
{
    deliver_(Control{window, control}, event, args);
}

void EventRouter::wire(WindowId id, QWidget* window)
{
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->objectName().isEmpty())
            continue;
        const std::string name = action->objectName().toStdString();
        connect(action, &QAction::triggered, this, [this, id, name] { deliver(id, name, Event::Click); });
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        const std::string name = button->objectName().toStdString();
        connect(button, &QAbstractButton::clicked, this, [this, id, name] { deliver(id, name, Event::Click); });
    }
    for (ClickTarget* target : window->findChildren<ClickTarget*>()) {
        const std::string name = target->objectName().toStdString();
        connect(target, &ClickTarget::clicked, this, [this, id, name] { deliver(id, name, Event::Click); });
    }
    window->installEventFilter(this);
    window->setMouseTracking(true);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        child->installEventFilter(this);
        child->setMouseTracking(true);
    }
}

bool EventRouter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseMove)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    const std::optional<WindowId> id = widget ? windows_.idOf(widget->window()) : std::nullopt;
    if (!id)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    // Positions are reported in twips, as the designs give them.
    const QPointF at = mouse->position() * 15;
    deliver(*id, controlName(widget), Event::MouseMove,
            {buttonCode(mouse->buttons()), shiftCode(mouse->modifiers()), float(at.x()), float(at.y())});
    return false;
}
