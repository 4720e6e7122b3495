#pragma once

#include <QPushButton>

// A push button that Enter and Return press as well as Space, as they do a
// focused button in a dialog, without being any window's default button.
class DesignButton : public QPushButton {
    Q_OBJECT

public:
    DesignButton(const QString& caption, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
