#pragma once

#include "app/toolkit/toolkit.h"

#include <QString>

// The shared routines the windows call.
namespace stoplight {

// Hands a web address to the desktop shell, which opens it in the user's
// browser; a refusal is reported in one message box.
void OpenUrl(Toolkit& ui, const QString& address);

// Keeps the window above all ordinary windows without moving or resizing it,
// and returns it to the ordinary stacking order.
void StayOnTop(Toolkit& ui, WindowId window);
void ReleaseStayOnTop(Toolkit& ui, WindowId window);

} // namespace stoplight
