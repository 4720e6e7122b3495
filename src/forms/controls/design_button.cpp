#include "forms/controls/design_button.h"

#include <QKeyEvent>

DesignButton::DesignButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void DesignButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        animateClick();
    else
        QPushButton::keyPressEvent(event);
}
