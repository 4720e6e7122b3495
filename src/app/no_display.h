#pragma once

#include <string>

// The two lines the program prints when it can open a window on no display:
// what it tried, from the environment and the command line, and that it needs
// a graphical desktop. A platform the user chose (-platform, which wins, or
// QT_QPA_PLATFORM) is all that was tried; otherwise the X display given with
// -display or else in DISPLAY, and the Wayland display in WAYLAND_DISPLAY,
// named or not.
std::string noDisplayMessage(const char* display, const char* waylandDisplay, const char* chosenPlatform,
                             const std::string& platformOption, const std::string& displayOption);
