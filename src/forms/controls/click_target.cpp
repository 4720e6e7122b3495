#include "forms/controls/click_target.h"

#include "forms/controls/accessible_controls.h"
#include "forms/controls/design_panel.h"

#include <QMouseEvent>
#include <QPainter>

ClickTarget::ClickTarget(Presentation presentation, bool checked, QWidget* parent)
    // Qt keeps the first accessible interface that anything asks for, which
    // can happen as soon as the widget has a parent: it joins it only once it
    // is a click target.
    : QLabel(nullptr), presentation_(presentation), checked_(checked)
{
    presentControlsToAssistiveTechnology();
    setParent(parent);
}

void ClickTarget::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void ClickTarget::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

void ClickTarget::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    // A toggle has no focus of its own: it is what its panel offers while the
    // panel has the focus.
    if (presentation_ == Presentation::Toggle && parentWidget() && parentWidget()->hasFocus()) {
        QPainter painter(this);
        drawFocusFrame(painter, *this, rect());
    }
}
