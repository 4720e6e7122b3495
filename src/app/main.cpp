#include "app/dispatch.h"
#include "app/identity.h"
#include "app/qt_toolkit.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(identity::applicationTitle);
    QCoreApplication::setOrganizationName(identity::organization);
    QCoreApplication::setApplicationVersion(identity::version);
    QGuiApplication::setDesktopFileName(QStringLiteral("kestrine"));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/kestrine.svg")));

    QtToolkit toolkit;
    Dispatcher dispatcher(toolkit, dispatchTable());
    toolkit.setDispatcher(&dispatcher);
    toolkit.showWindow(WindowId::Form1);
    return app.exec();
}
