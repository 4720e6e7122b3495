#pragma once

#include <QWidget>

// The About window, built from its design.
class AboutmetaWindow : public QWidget {
    Q_OBJECT

public:
    AboutmetaWindow();
};
