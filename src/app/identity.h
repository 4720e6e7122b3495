#pragma once

#include <QString>

// Who the program is.
namespace identity {

inline const QString applicationTitle = QStringLiteral("Kestrine");
inline const QString organization = QStringLiteral("Orbeck Software");
inline const QString version = QStringLiteral("2.0.0.1");

} // namespace identity
