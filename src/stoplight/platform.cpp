#include "stoplight/platform.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace stoplight {

namespace {

#ifdef _WIN32

using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                                LPCSTR directory, INT show);
using SetWindowPosFunction = BOOL(WINAPI*)(HWND window, HWND after, int left, int top, int width, int height,
                                           UINT flags);

struct Declarations {
    Function<ShellExecuteFunction> shellExecute{"ShellExecuteA", "shell32.dll"};
    Function<SetWindowPosFunction> setWindowPos{"SetWindowPos", "user32"};
};

constexpr INT kShowNormal = 1;
constexpr UINT kNoSizeNoMove = 3;
constexpr std::intptr_t kTopmost = -1;
constexpr std::intptr_t kNotTopmost = -2;

#else

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

#endif

Declarations& declarations()
{
    static Declarations table;
    return table;
}

#ifdef _WIN32
Outcome placeAfter(std::uintptr_t window, std::intptr_t after)
{
    auto& declared = declarations().setWindowPos;
    const auto setWindowPos = declared.bind();
    if (!setWindowPos)
        return {0, &declared};
    setWindowPos(reinterpret_cast<HWND>(window), reinterpret_cast<HWND>(after), 0, 0, 0, 0, kNoSizeNoMove);
    return {};
}
#endif

} // namespace

#ifdef _WIN32

Outcome shellOpen(const std::string& address)
{
    auto& declared = declarations().shellExecute;
    const auto shellExecute = declared.bind();
    if (!shellExecute)
        return {0, &declared};
    const HINSTANCE result = shellExecute(nullptr, "Open", address.c_str(), nullptr, nullptr, kShowNormal);
    return {static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(result))};
}

Outcome placeTopmost(std::uintptr_t window)
{
    return placeAfter(window, kTopmost);
}

Outcome releaseTopmost(std::uintptr_t window)
{
    return placeAfter(window, kNotTopmost);
}

const Declaration& shellExecuteDeclaration()
{
    return declarations().shellExecute;
}

const Declaration& setWindowPosDeclaration()
{
    return declarations().setWindowPos;
}

#else

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

#endif

} // namespace stoplight
