#pragma once

#include "app/program.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

// The real toolkit and dispatcher, as the program wires them at start.
// A design fault (a dispatch row or handler that names a control its window
// does not have) fails the test function that made the program.
struct RunningProgram : Program {
    RunningProgram() { QTest::failOnWarning(QRegularExpression("^Design fault")); }

    QWidget* show(WindowId id)
    {
        toolkit.showWindow(id);
        return toolkit.window(id);
    }

    template <typename T = QWidget> T* control(WindowId id, const char* name) const
    {
        QWidget* window = toolkit.window(id);
        return window ? window->findChild<T*>(QLatin1StringView(name)) : nullptr;
    }
};

// Runs `answer` on the next modal widget once it is open, if it is a T, then
// closes whatever is open; the action that opens it runs after this call.
template <typename T> void whenModalOpens(std::function<void(T*)> answer)
{
    QTimer::singleShot(0, [answer] {
        QWidget* modal = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((modal = QApplication::activeModalWidget()) != nullptr, 5000);
        if (auto* typed = qobject_cast<T*>(modal))
            answer(typed);
        modal->close();
    });
}
