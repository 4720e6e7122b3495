#include "app/held_text.h"

#include "forms/design.h"

#include <utility>

void HeldText::endHandler()
{
    if (--handlers_ == 0)
        release();
}

void HeldText::set(QPlainTextEdit* box, const QString& text)
{
    if (box != box_)
        release();
    box_ = box;
    text_ = text;
    if (handlers_ == 0)
        release();
}

QString HeldText::text(const QPlainTextEdit* box) const
{
    return box == box_ ? text_ : design::multiLineText(box);
}

void HeldText::release()
{
    if (QPlainTextEdit* box = std::exchange(box_, nullptr))
        design::setMultiLineText(box, std::exchange(text_, QString()));
}
