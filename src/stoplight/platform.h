#pragma once

#include "stoplight/binder.h"

#include <cstdint>
#include <functional>
#include <string>

// The operating-system functions the program calls directly, and what each
// call came to.
namespace stoplight {

// Result codes of the shell's open request that the program tells apart.
namespace shellResult {
inline constexpr std::int32_t accepted = 33;
inline constexpr std::int32_t noAssociation = 31;
inline constexpr std::int32_t fileNotFound = 2;
// Any other refusal by the desktop's launcher (a folder in the path that is
// a file, a name too long, no permission, a handler that cannot be started):
// a code the shell itself never returns, so that it names no cause the
// launcher did not report and points at the launcher when a user quotes it.
inline constexpr std::int32_t otherFailure = 1;
} // namespace shellResult

// The function's own result, or the declaration that could not be bound, in
// which case nothing was called.
struct Outcome {
    std::int32_t result = 0;
    const Declaration* unbound = nullptr;
};

// Hands the address, as 8-bit text, to the desktop's registered handler and
// returns without waiting for it; the result is a shell result code.
Outcome shellOpen(const std::string& address);

// Puts the window into the topmost band, or back into the ordinary stacking
// order, keeping its position and size, where the system has a call of its
// own for it (Windows); `window` gives its native handle, asked for only
// there. Elsewhere the toolkit alone asks the window manager, and nothing is
// done here.
Outcome placeAbove(const std::function<std::uintptr_t()>& window, bool above);

} // namespace stoplight
