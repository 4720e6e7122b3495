#pragma once

#include <QFrame>

class QPainter;
class TogglePair;

// A picture box without a picture: a panel that holds other controls and
// takes the keyboard focus at its place in the design's order. While it has
// the focus it shows a focus frame, drawn on its toggle where it holds one,
// and Space turns that toggle as a click does.
class DesignPanel : public QFrame {
    Q_OBJECT

public:
    explicit DesignPanel(QWidget* parent);

    // The toggle made of two of its pictures, or null.
    TogglePair* toggle() const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void repaintFocusFrame();
    void announceToggle();
};

// The frame that marks the control with the keyboard focus, inside `rect`.
void drawFocusFrame(QPainter& painter, const QWidget& on, const QRect& rect, int width = 1);
