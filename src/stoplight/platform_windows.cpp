#include "stoplight/platform_windows.h"

#include "stoplight/platform.h"

#include <windows.h>

namespace stoplight {

namespace {

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

Declarations& declarations()
{
    static Declarations table;
    return table;
}

Outcome placeAfter(std::uintptr_t window, std::intptr_t after)
{
    auto& declared = declarations().setWindowPos;
    const auto setWindowPos = declared.bind();
    if (!setWindowPos)
        return {0, &declared};
    setWindowPos(reinterpret_cast<HWND>(window), reinterpret_cast<HWND>(after), 0, 0, 0, 0, kNoSizeNoMove);
    return {};
}

} // namespace

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

Outcome placeAbove(const std::function<std::uintptr_t()>& window, bool above)
{
    return above ? placeTopmost(window()) : releaseTopmost(window());
}

} // namespace stoplight
