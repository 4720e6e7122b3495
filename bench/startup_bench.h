#pragma once

#include <QString>

// One start, in a process of its own: the program's main window, or a bare
// main window of the same size with the same two menus. Prints the peak
// resident memory in KiB once the window has been painted, and ends.
int startOnce(int argc, char* argv[], bool program);

// Starts `self` with --start, `rounds` times each way, and prints the median
// times and memory side by side.
void benchStartup(const QString& self, int rounds);
