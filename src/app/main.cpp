#include "app/command_line.h"
#include "app/no_display.h"
#include "app/platform_choice.h"
#include "app/platform_start_watch.h"
#include "app/program.h"
#include "host/host.h"

#include <QApplication>
#include <cstdlib>
#include <optional>

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine commandLine = readCommandLine(arguments);
    if (commandLine.answer)
        return giveAnswer(argc, argv, *commandLine.answer);

    PlatformArguments platformArguments(argc, argv);
    std::optional<PlatformStartWatch> watch;
    if (host::choosesDisplay())
        watch.emplace(noDisplayMessage(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"),
                                       std::getenv("QT_QPA_PLATFORM"), commandLine.platform.toStdString(),
                                       commandLine.display.toStdString()));
    QApplication app(platformArguments.count, platformArguments.vector());
    watch.reset();
    host::addProgramFonts();
    applyIdentity();
    followDesktopLanguage();
    Program program;
    program.toolkit.showWindow(WindowId::Form1);
    return app.exec();
}
