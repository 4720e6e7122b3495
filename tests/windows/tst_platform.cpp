#include "stoplight/binder.h"
#include "stoplight/messages.h"
#include "stoplight/platform.h"

#include <cstdio>
#include <string>
#include <windows.h>

// The Windows platform code against the system's own shell32 and user32, on a
// real display: one line a case, then the counts.
namespace {

using stoplight::Function;

// An address whose scheme no application is registered for.
constexpr const char* kUnregistered = "kestrine-unregistered:page";

// The test reaches user32 through the binder as well, so that the program's
// import table shows what the platform code links against: neither library.
struct User32 {
    Function<decltype(&CreateWindowExA)> createWindow{"CreateWindowExA", "user32"};
    Function<decltype(&ShowWindow)> showWindow{"ShowWindow", "user32"};
    Function<decltype(&GetWindowRect)> getWindowRect{"GetWindowRect", "user32"};
    Function<decltype(&GetWindowLongA)> getWindowLong{"GetWindowLongA", "user32"};
    Function<decltype(&DestroyWindow)> destroyWindow{"DestroyWindow", "user32"};
} user32;

// What a case saw the system do, and what of it was not as expected.
struct Case {
    std::string seen;
    std::string failures;

    void expect(bool ok, const std::string& what)
    {
        if (!ok)
            failures += "; " + what;
    }
};

struct Placement {
    RECT rect{};
    bool topmost = false;

    bool sameRect(const Placement& other) const
    {
        return rect.left == other.rect.left && rect.top == other.rect.top && rect.right == other.rect.right &&
               rect.bottom == other.rect.bottom;
    }
    std::string text() const
    {
        return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + ")-(" + std::to_string(rect.right) +
               "," + std::to_string(rect.bottom) + ")" + (topmost ? " topmost" : "");
    }
};

HWND window = nullptr;
Placement shown; // where the window was shown, before any call

std::uintptr_t handle()
{
    return reinterpret_cast<std::uintptr_t>(window);
}

Placement placement()
{
    Placement now;
    user32.getWindowRect.bind()(window, &now.rect);
    now.topmost = user32.getWindowLong.bind()(window, GWL_EXSTYLE) & WS_EX_TOPMOST;
    return now;
}

void boundOnceCalledTwice(Case& c)
{
    const stoplight::Declaration& shell = stoplight::shellExecuteDeclaration();
    const stoplight::Declaration& place = stoplight::setWindowPosDeclaration();
    c.expect(!shell.isBound() && !place.isBound(), "bound before the first call");

    const stoplight::Outcome opened[] = {stoplight::shellOpen(kUnregistered), stoplight::shellOpen(kUnregistered)};
    const stoplight::Outcome placed[] = {stoplight::placeTopmost(handle()), stoplight::releaseTopmost(handle())};
    for (const stoplight::Outcome& outcome : {opened[0], opened[1], placed[0], placed[1]})
        c.expect(!outcome.unbound, "a call found no function");
    c.expect(shell.lookups() == 1 && place.lookups() == 1, "looked up more than once");
    c.expect(placement().sameRect(shown), "window moved or resized");
    c.seen = "ShellExecuteA looked up " + std::to_string(shell.lookups()) + " time(s), returned " +
             std::to_string(opened[0].result) + " and " + std::to_string(opened[1].result) +
             "; SetWindowPos looked up " + std::to_string(place.lookups()) + " time(s)";
}

void missingFailsAtEachCall(Case& c, const char* entry, const char* library)
{
    Function<void (*)()> missing(entry, library);
    c.expect(!missing.bind(), "bound at the first call");
    const DWORD error = GetLastError();
    c.expect(!missing.bind(), "bound at the second call");
    c.expect(!missing.isBound() && missing.lookups() == 2, "not tried again");
    c.expect(stoplight::libraryFileName(library) == std::string(library) + ".dll", "no default extension");
    c.seen = std::string("'") + entry + "' in '" + stoplight::libraryFileName(library) + "' not found at " +
             std::to_string(missing.lookups()) + " call(s), error " + std::to_string(error);
}

void noAssociation(Case& c)
{
    const stoplight::Outcome outcome = stoplight::shellOpen(kUnregistered);
    const auto message = stoplight::shellResultMessage(outcome.result, kUnregistered);
    c.expect(!outcome.unbound && outcome.result == stoplight::shellResult::noAssociation, "not 31");
    c.expect(message && message->text == stoplight::noAssociationText && message->style == MessageStyle::Exclamation,
             "not the no-association box");
    c.seen = "ShellExecuteA returned " + std::to_string(outcome.result) + (message ? ": " + message->text : "");
}

void placedInPlace(Case& c, stoplight::Outcome (*call)(std::uintptr_t), bool topmost)
{
    const Placement before = placement();
    const stoplight::Outcome outcome = call(handle());
    const Placement after = placement();
    c.expect(!outcome.unbound, "no function");
    c.expect(before.topmost != topmost && after.topmost == topmost, "topmost mark not changed");
    c.expect(after.sameRect(shown), "window moved or resized");
    c.seen = before.text() + " -> " + after.text();
}

int passed = 0;
int failed = 0;

template <typename Body> void run(const char* name, Body body)
{
    Case c;
    body(c);
    (c.failures.empty() ? passed : failed) += 1;
    std::printf("%s %s: %s%s\n", c.failures.empty() ? "PASS" : "FAIL", name, c.seen.c_str(), c.failures.c_str());
    std::fflush(stdout);
}

} // namespace

int main()
{
    window = user32.createWindow.bind()(0, "STATIC", "Kestrine", WS_OVERLAPPEDWINDOW, 120, 90, 400, 300, nullptr,
                                        nullptr, nullptr, nullptr);
    user32.showWindow.bind()(window, SW_SHOWNORMAL);
    shown = placement();

    run("ShellExecuteA and SetWindowPos bound at their first call, once", boundOnceCalledTwice);
    run("a missing library fails at each call",
        [](Case& c) { missingFailsAtEachCall(c, "ShellExecuteA", "kestrine-absent"); });
    run("an entry point user32 lacks fails at each call",
        [](Case& c) { missingFailsAtEachCall(c, "SetWindowPosition", "user32"); });
    run("an address without association", noAssociation);
    run("placeTopmost on a shown window", [](Case& c) { placedInPlace(c, stoplight::placeTopmost, true); });
    run("releaseTopmost on a shown window", [](Case& c) { placedInPlace(c, stoplight::releaseTopmost, false); });

    user32.destroyWindow.bind()(window);
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
