#include "app/dispatch.h"

#include <algorithm>

bool Dispatcher::dispatch(Toolkit& toolkit, Control control, Event event, const MouseMoveArgs& args) const
{
    if (stopped_)
        return false;
    const auto entry = std::ranges::find_if(
        table_, [&](const DispatchEntry& row) { return row.event == event && row.control == control; });
    if (entry == table_.end())
        return false;
    if (const auto* click = std::get_if<ClickHandler>(&entry->handler))
        (*click)(toolkit);
    else
        std::get<MouseMoveHandler>(entry->handler)(toolkit, args.button, args.shift, args.x, args.y);
    return true;
}

std::vector<const DispatchEntry*>
Dispatcher::rowsWithoutControl(WindowId window,
                               const std::function<bool(std::string_view control, Event)>& exists) const
{
    std::vector<const DispatchEntry*> missing;
    for (const DispatchEntry& row : table_) {
        if (row.control.window == window && row.control.name != kWindowItself && !exists(row.control.name, row.event))
            missing.push_back(&row);
    }
    return missing;
}
