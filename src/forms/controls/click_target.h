#pragma once

#include <QLabel>

// A label or picture that takes clicks, as a button does: a click of the left
// button that starts and ends on it, or the action that assistive technology
// offers for it. Screen readers are told what it does: a link that opens an
// address or a window, or a toggle that is on while its picture shows.
class ClickTarget : public QLabel {
    Q_OBJECT

public:
    enum class Presentation { Link, Toggle };

    ClickTarget(Presentation presentation, bool checked, QWidget* parent);

    Presentation presentation() const { return presentation_; }
    // A toggle's state while this picture is the one showing.
    bool isChecked() const { return checked_; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // The second press of a double click makes no second click.
    void mouseDoubleClickEvent(QMouseEvent*) override {}

private:
    Presentation presentation_;
    bool checked_;
    bool pressed_ = false;
};
