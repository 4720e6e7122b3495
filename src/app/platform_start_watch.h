#pragma once

#include <string>

// Watches Qt's messages while QApplication starts its windowing platform, and
// holds them. When Qt can start no platform (no display named, or none that
// answers), it reports a fatal error with advice to reinstall and aborts;
// the watch prints its own lines instead and ends the program with status 1.
// Any other fatal error is passed on, after the messages that led to it.
// finish() hands the held messages on, as Qt would have shown them, and
// gives Qt's messages back to the handler that had them. One watch at a time.
class PlatformStartWatch {
public:
    explicit PlatformStartWatch(std::string noDisplayMessage);
    ~PlatformStartWatch() { finish(); }
    PlatformStartWatch(const PlatformStartWatch&) = delete;
    PlatformStartWatch& operator=(const PlatformStartWatch&) = delete;

    void finish();
};
