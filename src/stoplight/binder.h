#pragma once

#include <string>
#include <string_view>

// Functions of dynamic libraries that the program reaches by name at run
// time. It never links against these libraries, so it starts and runs its
// other commands where none of them can be loaded.
namespace stoplight {

// The name the loader is given: a library name without an extension gets the
// platform's default one (".dll" on Windows, ".so" elsewhere).
std::string libraryFileName(std::string_view library);

// One exported function of one library, named exactly as declared, with one
// slot for its address. The slot is empty at start and filled by the first
// call that finds the function; a call that cannot load the library or find
// the entry point fails alone, and the next call tries again.
class Declaration {
public:
    using Address = void (*)();

    Declaration(std::string entry, std::string library);
    Declaration(const Declaration&) = delete;
    Declaration& operator=(const Declaration&) = delete;

    const std::string& entry() const { return entry_; }
    // As declared, without the default extension.
    const std::string& library() const { return library_; }

    // The function's address, looked up now if the slot is empty; null when
    // it cannot be found this time.
    Address address();

    bool isBound() const { return slot_ != nullptr; }
    // How many times the library was asked for the entry point.
    int lookups() const { return lookups_; }

private:
    std::string entry_;
    std::string library_;
    Address slot_ = nullptr;
    int lookups_ = 0;
};

// A declaration of a function whose pointer type, calling convention
// included, is `Pointer`.
template <typename Pointer> class Function : public Declaration {
public:
    using Declaration::Declaration;

    // The callable function, or null when it cannot be bound this time.
    Pointer bind() { return reinterpret_cast<Pointer>(address()); }
};

} // namespace stoplight
