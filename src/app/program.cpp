#include "app/program.h"

#include "app/identity.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void applyIdentity()
{
    QCoreApplication::setApplicationName(identity::applicationTitle);
    QCoreApplication::setOrganizationName(identity::organization);
    QCoreApplication::setApplicationVersion(identity::version);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orbeck.kestrine"));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/kestrine.svg")));
}

void followDesktopLanguage()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return;
    }
    // A catalogue of a right-to-left language would mirror the windows, whose
    // designs and texts read left to right.
    const Qt::LayoutDirection direction = QGuiApplication::layoutDirection();
    QCoreApplication::installTranslator(translator);
    QGuiApplication::setLayoutDirection(direction);
}
