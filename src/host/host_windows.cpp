#include "host/host.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QGridLayout>
#include <QMessageBox>
#include <QProcess>
#include <windows.h>

namespace host {

QString executableSuffix()
{
    return QStringLiteral(".exe");
}

QString saveDialogFolder(const QString& designed)
{
    return designed;
}

void startDetached(const QString& program)
{
    QProcess companion;
    companion.setProgram(program);
    companion.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* arguments) {
        arguments->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        arguments->startupInfo->wShowWindow = SW_SHOWMINIMIZED;
    });
    companion.startDetached();
}

bool choosesDisplay()
{
    return false;
}

void addProgramFonts()
{
    const QDir fonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString& file : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(file));
}

bool hasManualPages()
{
    return false;
}

int answerCommandLine(int argc, char* argv[], const QString& title, const QString& text, int status)
{
    QApplication app(argc, argv);
    QMessageBox box(status == 0 ? QMessageBox::Information : QMessageBox::Critical, title, text.trimmed());
    // Wide enough for the caption beside the frame's buttons: a box as narrow
    // as the short version line would cut it.
    constexpr int kLeastWidth = 240;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(kLeastWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    box.exec();
    return status;
}

} // namespace host
