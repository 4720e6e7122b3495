#pragma once

#include "app/dispatch.h"

#include <QWidget>
#include <string_view>

// Whether the window has a control, or menu item, of that design name that
// can take the event: any control can be moved over, but only menu items,
// buttons and click targets take clicks.
bool hasControl(const QWidget& window, std::string_view name, Event event);

// Every dispatch row of a window that has just been made must name one of its
// controls that can take the row's event: a click row on a label the design
// does not make clickable is such a fault.
void checkDispatchRows(const Dispatcher& dispatcher, WindowId id, const QWidget& window);
