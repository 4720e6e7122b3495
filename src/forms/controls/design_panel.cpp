#include "forms/controls/design_panel.h"

#include "forms/controls/accessible_controls.h"
#include "forms/controls/click_target.h"
#include "forms/controls/toggle_pair.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

DesignPanel::DesignPanel(QWidget* parent) : QFrame(nullptr)
{
    presentControlsToAssistiveTechnology();
    setParent(parent);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::TabFocus);
}

TogglePair* DesignPanel::toggle() const
{
    return findChild<TogglePair*>(QString(), Qt::FindDirectChildrenOnly);
}

void DesignPanel::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    repaintFocusFrame();
    // Qt tells assistive technology of the panel's focus once this returns;
    // the toggle it offers is announced after that.
    if (toggle())
        QMetaObject::invokeMethod(this, &DesignPanel::announceToggle, Qt::QueuedConnection);
}

void DesignPanel::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    repaintFocusFrame();
}

void DesignPanel::repaintFocusFrame()
{
    update();
    if (TogglePair* pair = toggle(); pair && pair->showing())
        pair->showing()->update();
}

void DesignPanel::announceToggle()
{
    if (TogglePair* pair = toggle(); pair && hasFocus()) {
        QAccessibleEvent focus(pair, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void DesignPanel::keyPressEvent(QKeyEvent* event)
{
    TogglePair* pair = toggle();
    if (pair && event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            pair->click();
        return;
    }
    QFrame::keyPressEvent(event);
}

void DesignPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (hasFocus() && !toggle()) {
        QPainter painter(this);
        drawFocusFrame(painter, *this, contentsRect().adjusted(1, 1, -1, -1), 2);
    }
}

void drawFocusFrame(QPainter& painter, const QWidget& on, const QRect& rect, int width)
{
    const qreal half = width / 2.0;
    painter.setPen(QPen(on.palette().color(QPalette::Highlight), width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect).adjusted(half, half, -half, -half));
}
