#pragma once

#include "app/dispatch.h"
#include "app/window_set.h"

#include <QObject>
#include <functional>

// Turns the Qt signals and mouse movements of the program's windows into
// (control, event) pairs for the dispatcher. Clicks come from the
// controls that take them: menu items, buttons and click targets. Every
// control keeps its events: nothing falls through to the control or window
// behind it.
class EventRouter : public QObject {
    Q_OBJECT

public:
    using Deliver = std::function<void(Control, Event, const MouseMoveArgs&)>;

    EventRouter(const WindowSet& windows, Deliver deliver);

    // Routes the events of a window that has just been made.
    void wire(WindowId id, QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void deliver(WindowId window, const std::string& control, Event event, const MouseMoveArgs& args = {});

    const WindowSet& windows_;
    Deliver deliver_;
};
