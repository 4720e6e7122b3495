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
    check(!shell.isBound() && !place.isBound(), "ShellExecuteA and SetWindowPos unbound before their first call");

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
    const std::string bound = shell.entry() + " in " + shell.library() + ", " + place.entry() + " in " +
                              place.library() + ", looked up " + std::to_string(shell.lookups()) + " and " +
                              std::to_string(place.lookups()) + " time(s)";
    check(bound == "ShellExecuteA in shell32.dll, SetWindowPos in user32, looked up 1 and 1 time(s)", bound);

    // A missing library or entry point is not found at either call, and each call looks again.
    for (const auto& [entry, library] :
         {std::pair{"ShellExecuteA", "kestrine-absent"}, std::pair{"SetWindowPosition", "user32"}}) {
        stoplight::Function<void (*)()> missing(entry, library);
        const bool found = missing.bind() || missing.bind(); // the second call only if the first fails
        const DWORD error = GetLastError();
        check(!found && !missing.isBound() && missing.lookups() == 2 &&
                  stoplight::libraryFileName(library) == library + std::string(".dll"),
              std::string(entry) + " in " + stoplight::libraryFileName(library) + " not found at " +
                  std::to_string(missing.lookups()) + " calls, error " + std::to_string(error));
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
