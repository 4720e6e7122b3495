#include "forms/controls/continuation_label.h"

#include "forms/controls/caption_layout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

ContinuationLabel::ContinuationLabel(const QString& caption, QLabel* behind, QWidget* parent)
    : ClickTarget(Presentation::Link, false, parent), behind_(behind)
{
    setTextFormat(Qt::PlainText);
    setText(caption);
    setAccessibleName(words());
}

QPointF ContinuationLabel::wordsOrigin() const
{
    if (!behind_)
        return {};
    const QList<design::CaptionLine> lines = design::wrapCaption(font(), behind_->text(), behind_->width());
    if (lines.isEmpty())
        return {};
    const QFontMetricsF metrics(font());
    const design::CaptionLine& last = lines.last();
    const qreal after = last.width + metrics.horizontalAdvance(u' ');
    if (after + metrics.horizontalAdvance(words()) <= width())
        return {after, last.top};
    return {0, std::ceil(last.top + last.height + metrics.leading())};
}

void ContinuationLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const QPointF origin = wordsOrigin();
    painter.drawText(QRectF(origin, QSizeF(width() - origin.x(), height() - origin.y())),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, words());
}
