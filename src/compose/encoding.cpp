#include "compose/encoding.h"

namespace compose {

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

QByteArray reference(char32_t codePoint)
{
    return "&#" + QByteArray::number(codePoint) + ';';
}

} // namespace

QByteArray encodeKeepingEveryCharacter(QStringView text, const Encoding& encoding)
{
    if (std::optional<QByteArray> whole = encoding(text))
        return *std::move(whole);

    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype at = 0; at < text.size();) {
        const QChar first = text[at];
        const bool pair = first.isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate();
        const QStringView character = text.sliced(at, pair ? 2 : 1);
        at += character.size();
        if (!pair && first.isSurrogate())
            bytes += reference(kReplacementCharacter);
        else if (std::optional<QByteArray> encoded = encoding(character))
            bytes += *encoded;
        else
            bytes += reference(pair ? QChar::surrogateToUcs4(first, character[1]) : first.unicode());
    }
    return bytes;
}

} // namespace compose
