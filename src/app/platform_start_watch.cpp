#include "app/platform_start_watch.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace {

struct HeldMessage {
    QtMsgType type;
    int line;
    QByteArray file, function, category;
    QString text;
};

// The handler is a plain function; what it needs lives here, guarded, since
// Qt may report from other threads.
std::mutex guard;
bool watching = false;
QtMessageHandler previous = nullptr;
std::string noDisplay;
std::vector<HeldMessage> held;

const char* orNull(const QByteArray& text)
{
    return text.isNull() ? nullptr : text.constData();
}

void handOnHeld()
{
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(orNull(message.file), message.line, orNull(message.function),
                                         orNull(message.category));
        previous(message.type, context, message.text);
    }
    held.clear();
}

bool isNoPlatform(QtMsgType type, const QString& text)
{
    return type == QtFatalMsg && QGuiApplication::platformName().isEmpty() &&
           text.contains(QLatin1String("no Qt platform plugin could be initialized"));
}

void watch(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const std::lock_guard lock(guard);
    if (!watching) {
        previous(type, context, text);
        return;
    }
    if (isNoPlatform(type, text)) {
        std::fputs(noDisplay.c_str(), stderr);
        // Ends here, before Qt aborts: nothing of the half-built application
        // is worth tearing down.
        std::_Exit(1);
    }
    if (type == QtFatalMsg) {
        handOnHeld();
        previous(type, context, text);
        return;
    }
    held.push_back({type, context.line, QByteArray(context.file), QByteArray(context.function),
                    QByteArray(context.category), text});
}

} // namespace

PlatformStartWatch::PlatformStartWatch(std::string noDisplayMessage)
{
    const std::lock_guard lock(guard);
    noDisplay = std::move(noDisplayMessage);
    watching = true;
    previous = qInstallMessageHandler(watch);
}

void PlatformStartWatch::finish()
{
    const std::lock_guard lock(guard);
    if (!watching)
        return;
    watching = false;
    qInstallMessageHandler(previous);
    handOnHeld();
}
