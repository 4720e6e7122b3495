#pragma once

#include "app/dispatch.h"

#include <QWidget>
#include <string_view>

// Whether the window has a control, or menu item, of that design name.
bool hasControl(const QWidget& window, std::string_view name);

// Every dispatch row of a window that has just been made must name one of its
// controls: a mistyped name would leave its command doing nothing. A debug
// build stops at the first such row; a release build warns.
void checkDispatchRows(const Dispatcher& dispatcher, WindowId id, const QWidget& window);
