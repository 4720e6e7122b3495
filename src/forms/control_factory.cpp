#include "forms/control_factory.h"

#include "forms/controls/click_target.h"
#include "forms/controls/continuation_label.h"
#include "forms/controls/design_button.h"
#include "forms/controls/design_panel.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <limits>

namespace design {

namespace {

// A label or picture as its row has it: a click target when the design
// gives it clicks, a plain label when not.
QLabel* newLabel(const ControlSpec& spec, QWidget* parent)
{
    if (!(spec.options & (Link | Toggle)))
        return new QLabel(parent);
    const auto presentation = spec.options & Link ? ClickTarget::Presentation::Link : ClickTarget::Presentation::Toggle;
    return new ClickTarget(presentation, spec.options & Checked, parent);
}

QLabel* makeLabel(const ControlSpec& spec, QWidget* parent)
{
    QLabel* label = newLabel(spec, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | ((spec.options & Centred) ? Qt::AlignHCenter : Qt::AlignLeft));
    label->setAutoFillBackground(!(spec.options & Transparent));
    label->setText(spec.text);
    // Blanks that place words on the window are not read out.
    if (const QString words = spec.text.simplified(); words != spec.text)
        label->setAccessibleName(words);
    return label;
}

QLineEdit* makeTextBox(const ControlSpec& spec, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setText(spec.text);
    return box;
}

QPlainTextEdit* makeMultiLineTextBox(const ControlSpec& spec, QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setTabChangesFocus(true);
    setMultiLineText(box, spec.text);
    return box;
}

QLabel* makeImage(const ControlSpec& spec, QWidget* parent)
{
    QLabel* image = newLabel(spec, parent);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(picture(spec.text));
    return image;
}

QFrame* makeLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameStyle(QFrame::HLine | QFrame::Plain);
    line->setLineWidth(1);
    // A line has no events of its own: the mouse belongs to its container.
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    return line;
}

} // namespace

QWidget* makeControl(const ControlSpec& spec, QWidget* parent, QWidget* behind)
{
    if (spec.options & Continues)
        return new ContinuationLabel(spec.text, qobject_cast<QLabel*>(behind), parent);
    switch (spec.kind) {
    case Kind::Panel:
        return new DesignPanel(parent);
    case Kind::TextBox:
        return makeTextBox(spec, parent);
    case Kind::MultiLineTextBox:
        return makeMultiLineTextBox(spec, parent);
    case Kind::Label:
        return makeLabel(spec, parent);
    case Kind::Image:
        return makeImage(spec, parent);
    case Kind::Button:
        return new DesignButton(spec.text, parent);
    case Kind::Frame:
        return new QGroupBox(spec.text, parent);
    case Kind::Line:
        return makeLine(parent);
    }
    return nullptr;
}

} // namespace design
