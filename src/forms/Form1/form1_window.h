#pragma once

#include <QMainWindow>

class CommonDialog;

// The main window, built from its design: the input rows, the output box,
// the bottom strip with the status light and the pushpin, the menu bar and
// the Save dialog component.
class Form1Window : public QMainWindow {
    Q_OBJECT

public:
    Form1Window();

    CommonDialog& saveDialog() const { return *saveDialog_; }

private:
    void buildMenus();

    CommonDialog* saveDialog_;
};
