#pragma once

#include "app/dispatch.h"
#include "app/qt_toolkit.h"

// The program's name, maker, version and icon, given to the application.
void applyIdentity();

// What Qt itself shows (the buttons of message boxes, the Save dialog, a text
// box's menu) in the desktop's language, where Qt has a catalogue for it; the
// program's own texts, which never pass through a catalogue, stay as they are.
void followDesktopLanguage();

// The dispatcher and the toolkit, wired together as the program runs them,
// with the program's own dispatch table unless given another. The toolkit,
// which points at the dispatcher, goes first.
struct Program {
    explicit Program(std::span<const DispatchEntry> table = dispatchTable()) : dispatcher(table) {}

    Dispatcher dispatcher;
    QtToolkit toolkit{dispatcher};
};
