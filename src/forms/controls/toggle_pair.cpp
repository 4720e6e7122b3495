#include "forms/controls/toggle_pair.h"

#include "forms/controls/accessible_controls.h"
#include "forms/controls/click_target.h"

#include <QAccessible>
#include <QEvent>

TogglePair::TogglePair(ClickTarget* first, ClickTarget* second, QObject* container)
    : QObject(container), pictures_{first, second}
{
    presentControlsToAssistiveTechnology();
    for (ClickTarget* picture : pictures_)
        picture->installEventFilter(this);
}

ClickTarget* TogglePair::showing() const
{
    for (ClickTarget* picture : pictures_) {
        if (picture && !picture->isHidden())
            return picture;
    }
    return nullptr;
}

bool TogglePair::isChecked() const
{
    const ClickTarget* picture = showing();
    return picture && picture->isChecked();
}

bool TogglePair::holds(const QObject* picture) const
{
    return picture && (picture == pictures_[0] || picture == pictures_[1]);
}

void TogglePair::click()
{
    if (ClickTarget* picture = showing())
        emit picture->clicked();
}

bool TogglePair::eventFilter(QObject* watched, QEvent* event)
{
    // A swap hides one picture and then shows the other: once one shows, the
    // toggle is in its new state, and a screen reader is told so.
    if (event->type() == QEvent::ShowToParent && holds(watched)) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent stateChange(this, changed);
        QAccessible::updateAccessibility(&stateChange);
    }
    return false;
}
