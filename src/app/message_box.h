#pragma once

#include <QString>

// Shows a modal message box with the style code's buttons and icon, carriage
// returns shown as line breaks; an empty title stands for the application
// title. Returns the button pressed (MessageAnswer).
int showMessageBox(const QString& text, int style, const QString& title);
