#pragma once

#include <QByteArray>
#include <QStringView>
#include <functional>
#include <optional>

// Text in an 8-bit encoding that may lack some of its characters.
namespace compose {

// Encodes a run of text, or gives nothing when any of its characters is not
// in the encoding.
using Encoding = std::function<std::optional<QByteArray>(QStringView)>;

// The text in `encoding`, every character it holds as the encoding writes it;
// each character it lacks as an HTML numeric character reference ("&#321;"),
// one per code point, and a lone UTF-16 surrogate as the reference of U+FFFD.
// A browser reads the references as the characters, whatever the encoding of
// the page the text is pasted into.
QByteArray encodeKeepingEveryCharacter(QStringView text, const Encoding& encoding);

} // namespace compose
