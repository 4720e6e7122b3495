#include "stoplight/platform.h"

namespace stoplight {

namespace {

// The few GLib types the launcher's signature needs.
using Quark = std::uint32_t;
struct Error {
    Quark domain;
    int code;
    char* message;
};
using LaunchFunction = int (*)(const char* uri, void* context, Error** error);
using QuarkFunction = Quark (*)();
using ErrorFreeFunction = void (*)(Error* error);

struct Declarations {
    Function<LaunchFunction> launch{"g_app_info_launch_default_for_uri", "libgio-2.0.so.0"};
    Function<QuarkFunction> ioErrorQuark{"g_io_error_quark", "libgio-2.0.so.0"};
    Function<ErrorFreeFunction> errorFree{"g_error_free", "libgio-2.0.so.0"};
};

constexpr int kNotFound = 1;
constexpr int kNotSupported = 15;

Declarations& declarations()
{
    static Declarations table;
    return table;
}

// The shell result code for the launcher's outcome: launched, or the domain
// and code of its error, beside the domain of input and output errors.
std::int32_t launcherResult(bool launched, std::uint32_t errorDomain, int errorCode, std::uint32_t ioErrorDomain)
{
    if (launched)
        return shellResult::accepted;
    if (errorDomain == ioErrorDomain && errorCode == kNotSupported)
        return shellResult::noAssociation;
    if (errorDomain == ioErrorDomain && errorCode == kNotFound)
        return shellResult::fileNotFound;
    return shellResult::otherFailure;
}

} // namespace

Outcome shellOpen(const std::string& address)
{
    Declarations& table = declarations();
    const auto launch = table.launch.bind();
    if (!launch)
        return {0, &table.launch};
    Error* error = nullptr;
    if (launch(address.c_str(), nullptr, &error))
        return {shellResult::accepted};

    const auto ioErrorQuark = table.ioErrorQuark.bind();
    const auto errorFree = table.errorFree.bind();
    Outcome outcome;
    if (!ioErrorQuark)
        outcome.unbound = &table.ioErrorQuark;
    else if (!errorFree)
        outcome.unbound = &table.errorFree;
    else if (error)
        outcome.result = launcherResult(false, error->domain, error->code, ioErrorQuark());
    else
        outcome.result = shellResult::otherFailure;
    if (error && errorFree)
        errorFree(error);
    return outcome;
}

// The toolkit alone asks the window manager.
Outcome placeAbove(const std::function<std::uintptr_t()>&, bool)
{
    return {};
}

} // namespace stoplight
