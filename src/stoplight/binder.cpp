#include "stoplight/binder.h"

#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace stoplight {

namespace {

#ifdef _WIN32
constexpr std::string_view kDefaultExtension = ".dll";
#else
constexpr std::string_view kDefaultExtension = ".so";
#endif

Declaration::Address lookUp(const std::string& file, const std::string& entry)
{
#ifdef _WIN32
    HMODULE library = LoadLibraryA(file.c_str());
    if (!library)
        return nullptr;
    FARPROC found = GetProcAddress(library, entry.c_str());
    if (!found) {
        FreeLibrary(library);
        return nullptr;
    }
    return reinterpret_cast<Declaration::Address>(found);
#else
    void* library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return nullptr;
    void* found = dlsym(library, entry.c_str());
    if (!found) {
        // Unloaded, so that the next try sees the library as it is then.
        dlclose(library);
        return nullptr;
    }
    return reinterpret_cast<Declaration::Address>(found);
#endif
}

} // namespace

std::string libraryFileName(std::string_view library)
{
    const std::size_t folderEnd = library.find_last_of("/\\");
    const std::string_view file = folderEnd == std::string_view::npos ? library : library.substr(folderEnd + 1);
    std::string name(library);
    if (file.find('.') == std::string_view::npos)
        name += kDefaultExtension;
    return name;
}

Declaration::Declaration(std::string entry, std::string library)
    : entry_(std::move(entry)), library_(std::move(library))
{
}

Declaration::Address Declaration::address()
{
    if (!slot_) {
        ++lookups_;
        slot_ = lookUp(libraryFileName(library_), entry_);
    }
    return slot_;
}

} // namespace stoplight
