#include "stoplight/messages.h"
#include "stoplight/platform_windows.h"

#include <cstdio>
#include <string>
#include <windows.h>

// The Windows platform code against the system's own shell32 and user32, on a
// real display: one line a check, then the counts. user32 is reached through
// the binder here too, so the import table shows the program links neither.
#define USER32(name) stoplight::Function<decltype(&name)>(#name, "user32").bind()

namespace {

int passed = 0, failed = 0;

void check(bool ok, const std::string& seen)
{
    (ok ? passed : failed) += 1;
    std::printf("%s %s\n", ok ? "PASS" : "FAIL", seen.c_str());
    std::fflush(stdout);
}

// The window's rectangle on the screen, and whether it is in the topmost band.
std::string placement(HWND window)
{
    RECT r{};
    USER32(GetWindowRect)(window, &r);
    const bool topmost = USER32(GetWindowLongA)(window, GWL_EXSTYLE) & WS_EX_TOPMOST;
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")" + (topmost ? " topmost" : "");
}

} // namespace

int main()
{
    HWND window = USER32(CreateWindowExA)(0, "STATIC", "Kestrine", WS_OVERLAPPEDWINDOW, 120, 90, 400, 300, nullptr,
                                          nullptr, nullptr, nullptr);
    USER32(ShowWindow)(window, SW_SHOWNORMAL);
    const std::string shown = placement(window);
    const auto handle = reinterpret_cast<std::uintptr_t>(window);
    const stoplight::Declaration& shell = stoplight::shellExecuteDeclaration();
    const stoplight::Declaration& place = stoplight::setWindowPosDeclaration();

    // Two rounds of opening an address of a scheme no application is
    // registered for, and of pinning and releasing the shown window.
    const char* unregistered = "kestrine-unregistered:page";
    for (int round = 1; round <= 2; ++round) {
        const stoplight::Outcome opened = stoplight::shellOpen(unregistered);
        const auto message = stoplight::shellResultMessage(opened.result, unregistered);
        check(!opened.unbound && opened.result == stoplight::shellResult::noAssociation && message &&
                  message->text == stoplight::noAssociationText && message->style == MessageStyle::Exclamation,
              "ShellExecuteA returned " + std::to_string(opened.result) + ": " + (message ? message->text : ""));
        const std::string pinned = stoplight::placeTopmost(handle).unbound ? "unbound" : placement(window);
        const std::string released = stoplight::releaseTopmost(handle).unbound ? "unbound" : placement(window);
        check(pinned == shown + " topmost" && released == shown, "pinned " + pinned + ", released " + released);
    }
    // Bound at the first call, and kept.
    check(shell.lookups() == 1 && place.lookups() == 1,
          "looked up " + std::to_string(shell.lookups()) + " and " + std::to_string(place.lookups()) + " time(s)");

    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
