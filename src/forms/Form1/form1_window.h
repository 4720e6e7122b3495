#pragma once

#include <QMainWindow>

// The main window, built from its design: the input rows, the output box,
// the bottom strip with the status light and the pushpin, the menu bar and
// the Save dialog component.
class Form1Window : public QMainWindow {
    Q_OBJECT

public:
    Form1Window();

private:
    void buildMenus();
};
