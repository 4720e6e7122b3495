#pragma once

#include "app/toolkit/toolkit.h"
#include "stoplight/platform.h"

#include <string_view>

namespace stoplight {

// Shows what the user is told about the shell's answer to opening the 8-bit
// `address`, or about a function that could not be bound.
void showShellOutcome(Toolkit& ui, const Outcome& outcome, std::string_view address);

// One box naming the function and its library; the program goes on.
void reportUnbound(Toolkit& ui, const Declaration& declaration);

} // namespace stoplight
