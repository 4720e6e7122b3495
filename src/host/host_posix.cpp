#include "host/host.h"

#include <QDir>
#include <QProcess>
#include <QStringEncoder>
#include <cstdio>

namespace host {

QString executableSuffix()
{
    return {};
}

QString saveDialogFolder(const QString&)
{
    // The design's folder is the root of a Windows drive; here the root
    // folder is not the user's to write to.
    return QDir::homePath();
}

std::optional<QByteArray> toSystemEncoding(QStringView text)
{
    QStringEncoder encoder(QStringConverter::System);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

void startDetached(const QString& program)
{
    QProcess::startDetached(program, {});
}

bool choosesDisplay()
{
    return true;
}

void addProgramFonts() {}

bool hasManualPages()
{
    return true;
}

int answerCommandLine(int, char*[], const QString&, const QString& text, int status)
{
    std::fputs(text.toLocal8Bit().constData(), status == 0 ? stdout : stderr);
    return status;
}

} // namespace host
