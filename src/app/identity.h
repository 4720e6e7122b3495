#pragma once

#include <QString>

// Who the program is. The version and the maker are the build's.
namespace identity {

inline const QString applicationTitle = QStringLiteral("Kestrine");
// The executable's name, as the user types it.
inline const QString command = QStringLiteral("kestrine");
inline const QString organization = QStringLiteral(KESTRINE_MAKER);
inline const QString version = QStringLiteral(KESTRINE_VERSION);

} // namespace identity
