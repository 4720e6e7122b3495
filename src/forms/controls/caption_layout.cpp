#include "forms/controls/caption_layout.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace design {

QList<CaptionLine> wrapCaption(const QFont& font, const QString& caption, qreal width)
{
    QTextLayout layout(caption, font);
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const qreal leading = QFontMetricsF(font).leading();

    // Lines start on whole pixels, a leading apart, as a label places them.
    QList<CaptionLine> lines;
    qreal height = -leading;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        height = std::ceil(height + leading);
        lines.append({height, line.height(), line.naturalTextWidth()});
        height += line.height();
    }
    layout.endLayout();
    return lines;
}

bool captionFits(const QFont& font, const QString& caption, QSize box)
{
    const QList<CaptionLine> lines = wrapCaption(font, caption, box.width());
    if (lines.isEmpty())
        return true;
    const CaptionLine& last = lines.last();
    const bool narrowEnough =
        std::ranges::all_of(lines, [&](const CaptionLine& line) { return line.width <= box.width(); });
    return narrowEnough && lines.size() <= designedLines(box.height()) && last.top + last.height <= box.height();
}

} // namespace design
