#pragma once

#include "stoplight/binder.h"

#include <cstdint>
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

#ifdef _WIN32
// Puts the window into the topmost band, or back into the ordinary stacking
// order, keeping its position and size; the window manager's answer is
// ignored.
Outcome placeTopmost(std::uintptr_t window);
Outcome releaseTopmost(std::uintptr_t window);

// The declarations these calls bind: ShellExecuteA for shellOpen, SetWindowPos
// for the other two.
const Declaration& shellExecuteDeclaration();
const Declaration& setWindowPosDeclaration();
#else
// The shell result code for the launcher's outcome: launched, or the domain
// and code of its error, beside the domain of input and output errors.
std::int32_t launcherResult(bool launched, std::uint32_t errorDomain, int errorCode, std::uint32_t ioErrorDomain);
#endif

} // namespace stoplight
