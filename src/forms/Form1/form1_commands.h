#pragma once

#include "app/toolkit/toolkit.h"

#include <QString>

// The main window's handlers.
namespace Form1 {

void mnuBuild_Click(Toolkit& ui);
// Saves the output box to a file chosen in the Save dialog; says why when it
// cannot.
void mnuSave_Click(Toolkit& ui);
void mnuClear_Click(Toolkit& ui);
void mnuExit_Click(Toolkit& ui);
void mnuHowTo_Click(Toolkit& ui);
void mnuWebMasters_Click(Toolkit& ui);
void mnuSearchEngine_Click(Toolkit& ui);
void mnuAbout_Click(Toolkit& ui);
// The pushpin: lying on its side (Image2) sets the pin, pressed in (Image1)
// releases it.
void Image2_Click(Toolkit& ui);
void Image1_Click(Toolkit& ui);

// Where the companion program is expected: beside this program's executable.
QString companionProgramPath(const QString& programFolder);

} // namespace Form1
