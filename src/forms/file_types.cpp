#include "forms/file_types.h"

namespace {

QString qtPatterns(const QString& pattern)
{
    QStringList patterns = pattern.split(u';', Qt::SkipEmptyParts);
    for (QString& each : patterns) {
        each = each.trimmed();
        if (each == QLatin1StringView("*.*"))
            each = QStringLiteral("*");
    }
    return patterns.join(u' ');
}

} // namespace

QStringList nameFilters(const QString& fileTypes)
{
    const QStringList fields = fileTypes.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
        const QString& description = fields.at(i);
        const QString patterns = qtPatterns(fields.at(i + 1));
        if (description.isEmpty() && patterns.isEmpty())
            continue;
        // The dialog is told to hide the part in brackets that Qt reads the
        // patterns from, so the user sees each description exactly as written.
        filters << description + QStringLiteral(" (") + (patterns.isEmpty() ? QStringLiteral("*") : patterns) +
                       QStringLiteral(")");
    }
    return filters;
}
