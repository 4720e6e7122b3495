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

std::optional<QByteArray> toSystemEncoding(QStringView text)
{
    if (text.isEmpty())
        return QByteArray();
    // UTF-8 as the system's code page (an option of Windows 10 and later) holds
    // every character but a lone surrogate, and takes neither the best-fit
    // flag nor the question of a default character.
    const UINT codePage = GetACP();
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL defaulted = FALSE;
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int length = static_cast<int>(text.size());
    const int size =
        WideCharToMultiByte(codePage, flags, wide, length, nullptr, 0, nullptr, utf8 ? nullptr : &defaulted);
    if (size == 0 || defaulted)
        return std::nullopt;
    QByteArray bytes(size, Qt::Uninitialized);
    WideCharToMultiByte(codePage, flags, wide, length, bytes.data(), size, nullptr, nullptr);
    return bytes;
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
