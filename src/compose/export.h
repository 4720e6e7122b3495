#pragma once

#include "compose/encoding.h"

#include <QString>
#include <functional>

// Writes the output box's text to a tag file.
namespace compose {

struct ExportResult {
    bool saved = false;
    QString reason; // why not, in the system's words, when nothing was saved
};

// Writes the text in `encoding`, each character it lacks as a character
// reference, then a carriage return and a line feed, to a new file beside
// `path`, runs `beforeCommit` once, and only then moves the new file over
// `path`. A save that fails at any point leaves
// a file already at `path` exactly as it was and no other file behind.
ExportResult exportText(const QString& path, const QString& text, const Encoding& encoding,
                        const std::function<void()>& beforeCommit = {});

} // namespace compose
