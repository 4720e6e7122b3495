#pragma once

#include <QString>

// Who the program is.
namespace identity {

inline const QString applicationTitle = QStringLiteral("Kestrine");
inline const QString description = QStringLiteral("Orbeck Kestrine");
inline const QString organization = QStringLiteral("Orbeck Software");
inline const QString version = QStringLiteral("2.0.0.1");
inline const QString displayedVersion = QStringLiteral("2.00.0001");

} // namespace identity
