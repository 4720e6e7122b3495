#include "app/command_line.h"
#include "app/platform_choice.h"
#include "app/program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine commandLine = readCommandLine(arguments);
    if (commandLine.answer)
        return printAnswer(*commandLine.answer);

    PlatformArguments platformArguments(argc, argv);
    QApplication app(platformArguments.count, platformArguments.vector());
    applyIdentity();
    Program program;
    program.toolkit.showWindow(WindowId::Form1);
    return app.exec();
}
