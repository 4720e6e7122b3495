#include "app/program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    applyIdentity();
    Program program;
    program.toolkit.showWindow(WindowId::Form1);
    return app.exec();
}
