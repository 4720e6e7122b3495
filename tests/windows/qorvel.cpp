#include <cstdio>
#include <cstdlib>
#include <windows.h>

// A stand-in for the companion program, put beside the installed program by
// the end-to-end test: it writes to the file QORVEL_MARKER names its command
// line and how it was asked to show its window, then ends.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const char* marker = std::getenv("QORVEL_MARKER");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    FILE* file = marker ? std::fopen(marker, "wb") : nullptr;
    if (!file)
        return 1;
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    std::fprintf(file, "%s|%d\n", GetCommandLineA(), show);
    return std::fclose(file) == 0 ? 0 : 1;
}
