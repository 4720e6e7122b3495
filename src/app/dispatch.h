#pragma once

#include "app/toolkit.h"

#include <span>
#include <string_view>
#include <variant>

enum class Event { Click, MouseMove };

// What a mouse-move event carries: buttons held, shift keys held, position.
struct MouseMoveArgs {
    int button = 0;
    int shift = 0;
    float x = 0;
    float y = 0;
};

using ClickHandler = void (*)(Toolkit&);
using MouseMoveHandler = void (*)(Toolkit&, int button, int shift, float x, float y);

// One (window, control, event) triple and the handler bound to it. "Form"
// stands for the window itself.
struct DispatchEntry {
    WindowId window;
    std::string_view control;
    Event event;
    std::variant<ClickHandler, MouseMoveHandler> handler;
};

// Runs the one handler registered for an event; events without an entry do
// nothing. Once stopped, no further handler runs.
class Dispatcher {
public:
    Dispatcher(Toolkit& toolkit, std::span<const DispatchEntry> table);

    // Returns whether a handler ran.
    bool dispatch(WindowId window, std::string_view control, Event event, const MouseMoveArgs& args = {});
    void stop() { stopped_ = true; }
    bool stopped() const { return stopped_; }

private:
    const DispatchEntry* find(WindowId window, std::string_view control, Event event) const;

    Toolkit& toolkit_;
    std::span<const DispatchEntry> table_;
    bool stopped_ = false;
};

// Every handler of the program.
std::span<const DispatchEntry> dispatchTable();
