#pragma once

#include <string>
#include <vector>

// The windowing platform the program asks Qt for. Where an X display is named
// (as every Wayland desktop with Xwayland names one), that X server comes
// first: there the window manager lets the main window take its designed
// place and keep itself above the others, which a Wayland compositor allows
// no client. Wayland comes second, for an X display that cannot be reached.
// Empty, leaving Qt's own choice, when the user named a platform (in
// QT_QPA_PLATFORM or with -platform), when there is no X display, and on
// systems without X.
std::string preferredPlatform(const char* display, const char* chosenPlatform, int argc, const char* const* argv);

// The command line as handed to QApplication: the program's own, with
// "-platform <list>" added when a platform is preferred. QApplication keeps
// the count and the vector, so this must outlive it. Nothing is put in the
// environment, which the programs started from here would inherit.
class PlatformArguments {
public:
    PlatformArguments(int argc, char** argv);
    PlatformArguments(const PlatformArguments&) = delete;
    PlatformArguments& operator=(const PlatformArguments&) = delete;

    int count = 0;
    char** vector() { return vector_.data(); }

private:
    std::string option_ = "-platform";
    std::string platform_;
    std::vector<char*> vector_;
};
