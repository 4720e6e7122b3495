#pragma once

#include <QWidget>

// The Web Master Resources window, built from its design.
class Form2Window : public QWidget {
    Q_OBJECT

public:
    Form2Window();
};
