#pragma once

#include "app/dispatch.h"
#include "app/qt_toolkit.h"

// The program's name, maker, version and icon, given to the application.
void applyIdentity();

// The toolkit and the dispatcher, wired together as the program runs them.
struct Program {
    Program() { toolkit.setDispatcher(&dispatcher); }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    QtToolkit toolkit;
    Dispatcher dispatcher{toolkit, dispatchTable()};
};
