#pragma once

#include <QFont>
#include <QList>
#include <QSize>
#include <QString>

// How a label lays out its caption: wrapped at word boundaries inside its
// width, top-aligned, one line under the other, as the label draws it.
namespace design {

struct CaptionLine {
    qreal top;
    qreal height;
    qreal width; // of the line's text, without the blanks it ends with
};

QList<CaptionLine> wrapCaption(const QFont& font, const QString& caption, qreal width);

// The designs give a line 13 pixels, so a box's height tells how many lines
// its caption may take.
constexpr int designedLines(int heightPx)
{
    return heightPx < 13 ? 1 : heightPx / 13;
}

// Whether the caption fits its box on the lines its design gives it.
bool captionFits(const QFont& font, const QString& caption, QSize box);

} // namespace design
