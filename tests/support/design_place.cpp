// Prints where the designs put a window's client area on the screen, or one
// of its controls in its client area, as "left top width height" in pixels,
// for the scripts that click the real program.
// Usage: design_place WINDOW [CONTROL]
#include "design_place.h"

#include <cstdio>
#include <string_view>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3)
        return 2;
    for (WindowId window : {WindowId::Form1, WindowId::Form2, WindowId::aboutmeta}) {
        if (windowName(window) != argv[1])
            continue;
        const QRect place = argc == 2 ? designedClientArea(window) : designedRect({window, argv[2]});
        if (place.isEmpty())
            return 1;
        std::printf("%d %d %d %d\n", place.left(), place.top(), place.width(), place.height());
        return 0;
    }
    return 1;
}
