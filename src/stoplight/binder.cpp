#include "stoplight/binder.h"

#include "stoplight/library_lookup.h"

#include <utility>

namespace stoplight {

std::string libraryFileName(std::string_view library)
{
    const std::size_t folderEnd = library.find_last_of("/\\");
    const std::string_view file = folderEnd == std::string_view::npos ? library : library.substr(folderEnd + 1);
    std::string name(library);
    if (file.find('.') == std::string_view::npos)
        name += loader::defaultExtension;
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
        slot_ = loader::lookUp(libraryFileName(library_), entry_);
    }
    return slot_;
}

} // namespace stoplight
