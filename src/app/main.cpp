#include "app/platform_choice.h"
#include "app/program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    PlatformArguments arguments(argc, argv);
    QApplication app(arguments.count, arguments.vector());
    applyIdentity();
    followDesktopLanguage();
    Program program;
    program.toolkit.showWindow(WindowId::Form1);
    return app.exec();
}
