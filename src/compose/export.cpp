#include "compose/export.h"

#include <QSaveFile>

namespace compose {

ExportResult exportText(const QString& path, const QString& text, const Encoding& encoding,
                        const std::function<void()>& beforeCommit)
{
    const QByteArray bytes = encodeKeepingEveryCharacter(text, encoding) + QByteArrayLiteral("\r\n");

    // Never written in place: a failure part way must not cost the old file.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, file.errorString()};
    // What is left after a short write is written again, so that the write
    // that fails tells the system's reason.
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return {false, reason};
        }
        done += written;
    }
    if (beforeCommit)
        beforeCommit();
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

} // namespace compose
