#include "app/no_display.h"

namespace {

bool named(const char* value)
{
    return value != nullptr && *value != '\0';
}

std::string tried(const char* display, const char* waylandDisplay, const char* chosenPlatform,
                  const std::string& platformOption, const std::string& displayOption)
{
    if (!platformOption.empty())
        return "with the platform '" + platformOption + "' chosen with -platform";
    if (named(chosenPlatform))
        return "with the platform '" + std::string(chosenPlatform) + "' chosen in QT_QPA_PLATFORM";
    const std::string x = !displayOption.empty() ? "on the X display '" + displayOption + "' chosen with -display"
                          : named(display)       ? "on the X display '" + std::string(display) + "' (DISPLAY)"
                                                 : "on an X display (DISPLAY is not set)";
    const std::string wayland = named(waylandDisplay)
                                    ? "the Wayland display '" + std::string(waylandDisplay) + "' (WAYLAND_DISPLAY)"
                                    : "a Wayland display (WAYLAND_DISPLAY is not set)";
    return x + " or " + wayland;
}

} // namespace

std::string noDisplayMessage(const char* display, const char* waylandDisplay, const char* chosenPlatform,
                             const std::string& platformOption, const std::string& displayOption)
{
    return "kestrine: cannot open a window " +
           tried(display, waylandDisplay, chosenPlatform, platformOption, displayOption) +
           ".\nKestrine needs a graphical desktop, X11 or Wayland, to run.\n";
}
