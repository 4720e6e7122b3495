#pragma once

#include <QString>
#include <QStringList>

// A file-type list written as "description|pattern|description|pattern|" in
// the name filters of a Qt file dialog. Each description is kept as written;
// "*.*" stands for every file, and a pattern may list several, separated by
// semicolons.
QStringList nameFilters(const QString& fileTypes);
