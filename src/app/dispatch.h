#pragma once

#include "app/toolkit/toolkit.h"

#include <functional>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

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

// One (control, event) pair and the handler bound to it.
struct DispatchEntry {
    Control control;
    Event event;
    std::variant<ClickHandler, MouseMoveHandler> handler;
};

// Runs the one handler registered for an event; events without an entry do
// nothing. Once stopped, no further handler runs.
class Dispatcher {
public:
    explicit Dispatcher(std::span<const DispatchEntry> table) : table_(table) {}

    // Returns whether a handler ran.
    bool dispatch(Toolkit& toolkit, Control control, Event event, const MouseMoveArgs& args = {}) const;
    void stop() { stopped_ = true; }
    bool stopped() const { return stopped_; }

    // The rows for the window that name no control of it able to take the
    // row's event.
    std::vector<const DispatchEntry*>
    rowsWithoutControl(WindowId window, const std::function<bool(std::string_view control, Event)>& exists) const;

private:
    std::span<const DispatchEntry> table_;
    bool stopped_ = false;
};

// Every handler of the program.
std::span<const DispatchEntry> dispatchTable();
