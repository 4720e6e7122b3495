#pragma once

#include <QObject>
#include <QPointer>
#include <array>

class ClickTarget;

// Two pictures of one container that take turns as one toggle: the picture
// showing tells whether it is on, and a click on it turns it over by showing
// the other. Assistive technology sees the toggle, not the two pictures.
class TogglePair : public QObject {
    Q_OBJECT

public:
    TogglePair(ClickTarget* first, ClickTarget* second, QObject* container);

    // The picture showing, or null while neither is.
    ClickTarget* showing() const;
    bool isChecked() const;
    bool holds(const QObject* picture) const;
    // A click on the picture showing, as the mouse makes it.
    void click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QPointer<ClickTarget>, 2> pictures_;
};
