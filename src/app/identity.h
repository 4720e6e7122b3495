#pragma once

#include <QString>

// Who the program is. The version is the build's project version.
namespace identity {

inline const QString applicationTitle = QStringLiteral("Kestrine");
inline const QString organization = QStringLiteral("Orbeck Software");
inline const QString version = QStringLiteral(KESTRINE_VERSION);

} // namespace identity
