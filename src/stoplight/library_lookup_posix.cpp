#include "stoplight/library_lookup.h"

#include <dlfcn.h>

namespace stoplight::loader {

const std::string_view defaultExtension = ".so";

Declaration::Address lookUp(const std::string& file, const std::string& entry)
{
    void* library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return nullptr;
    void* found = dlsym(library, entry.c_str());
    if (!found) {
        dlclose(library);
        return nullptr;
    }
    return reinterpret_cast<Declaration::Address>(found);
}

} // namespace stoplight::loader
