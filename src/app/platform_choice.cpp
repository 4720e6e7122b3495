#include "app/platform_choice.h"

#include "host/host.h"

#include <cstdlib>
#include <cstring>

std::string preferredPlatform(const char* display, const char* chosenPlatform, int argc, const char* const* argv)
{
    if (!host::choosesDisplay() || display == nullptr || *display == '\0')
        return {};
    if (chosenPlatform != nullptr && *chosenPlatform != '\0')
        return {};
    // Qt reads the option with one dash or two.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return {};
    }
    return "xcb;wayland";
}

PlatformArguments::PlatformArguments(int argc, char** argv)
    : count(argc), platform_(preferredPlatform(std::getenv("DISPLAY"), std::getenv("QT_QPA_PLATFORM"), argc, argv)),
      vector_(argv, argv + argc)
{
    if (!platform_.empty()) {
        vector_.push_back(option_.data());
        vector_.push_back(platform_.data());
        count += 2;
    }
    vector_.push_back(nullptr);
}
