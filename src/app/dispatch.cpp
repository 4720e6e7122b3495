#include "app/dispatch.h"

#include <algorithm>

Dispatcher::Dispatcher(Toolkit& toolkit, std::span<const DispatchEntry> table) : toolkit_(toolkit), table_(table) {}

const DispatchEntry* Dispatcher::find(WindowId window, std::string_view control, Event event) const
{
    const auto it = std::find_if(table_.begin(), table_.end(), [&](const DispatchEntry& entry) {
        return entry.window == window && entry.event == event && entry.control == control;
    });
    return it == table_.end() ? nullptr : &*it;
}

bool Dispatcher::dispatch(WindowId window, std::string_view control, Event event, const MouseMoveArgs& args)
{
    if (stopped_)
        return false;
    const DispatchEntry* entry = find(window, control, event);
    if (!entry)
        return false;
    if (const auto* click = std::get_if<ClickHandler>(&entry->handler))
        (*click)(toolkit_);
    else
        std::get<MouseMoveHandler>(entry->handler)(toolkit_, args.button, args.shift, args.x, args.y);
    return true;
}
