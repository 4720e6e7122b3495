#pragma once

#include "stoplight/binder.h"

#include <string>
#include <string_view>

// How the system's loader finds an entry point of a library by name: each
// build compiles the one implementation for its system.
namespace stoplight::loader {

// The extension a library name without one is given.
extern const std::string_view defaultExtension;

// The entry point's address, or null when the library cannot be loaded or
// has no such entry point; then the library is not kept loaded, so that the
// next try sees it as it is then.
Declaration::Address lookUp(const std::string& file, const std::string& entry);

} // namespace stoplight::loader
