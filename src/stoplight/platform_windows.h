#pragma once

#include "stoplight/platform.h"

// The Windows calls behind placeAbove, and the declarations the calls bind.
namespace stoplight {

// Puts the window into the topmost band, or back into the ordinary stacking
// order, keeping its position and size; the window manager's answer is
// ignored.
Outcome placeTopmost(std::uintptr_t window);
Outcome releaseTopmost(std::uintptr_t window);

// The declarations these calls bind: ShellExecuteA for shellOpen, SetWindowPos
// for the other two.
const Declaration& shellExecuteDeclaration();
const Declaration& setWindowPosDeclaration();

} // namespace stoplight
