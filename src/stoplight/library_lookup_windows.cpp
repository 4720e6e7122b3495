#include "stoplight/library_lookup.h"

#include <windows.h>

namespace stoplight::loader {

const std::string_view defaultExtension = ".dll";

Declaration::Address lookUp(const std::string& file, const std::string& entry)
{
    HMODULE library = LoadLibraryA(file.c_str());
    if (!library)
        return nullptr;
    FARPROC found = GetProcAddress(library, entry.c_str());
    if (!found) {
        FreeLibrary(library);
        return nullptr;
    }
    return reinterpret_cast<Declaration::Address>(found);
}

} // namespace stoplight::loader
