#include "app/program.h"

#include "app/identity.h"

#include <QGuiApplication>
#include <QIcon>

void applyIdentity()
{
    QCoreApplication::setApplicationName(identity::applicationTitle);
    QCoreApplication::setOrganizationName(identity::organization);
    QCoreApplication::setApplicationVersion(identity::version);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orbeck.kestrine"));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/kestrine.svg")));
}
