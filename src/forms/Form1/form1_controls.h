#pragma once

#include "app/toolkit/control.h"

// The main window's controls, menu items and Save dialog.
namespace Form1 {

KESTRINE_CONTROL(Form1, Form);

KESTRINE_CONTROL(Form1, Picture1);
KESTRINE_CONTROL(Form1, Picture2);
KESTRINE_CONTROL(Form1, Label1);
KESTRINE_CONTROL(Form1, Label2);
KESTRINE_CONTROL(Form1, Label3);
KESTRINE_CONTROL(Form1, Label4);
KESTRINE_CONTROL(Form1, Text1);
KESTRINE_CONTROL(Form1, Text2);
KESTRINE_CONTROL(Form1, Text3);
KESTRINE_CONTROL(Form1, Text4);
// The status light: green, or red while the user is told there is nothing to
// save.
KESTRINE_CONTROL(Form1, Image4);
KESTRINE_CONTROL(Form1, Image3);
// The pushpin: lying on its side, or pressed in while the window is kept on
// top.
KESTRINE_CONTROL(Form1, Image2);
KESTRINE_CONTROL(Form1, Image1);

KESTRINE_CONTROL(Form1, mnuFile);
KESTRINE_CONTROL(Form1, mnuBuild);
KESTRINE_CONTROL(Form1, mnuSave);
KESTRINE_CONTROL(Form1, sepbar1);
KESTRINE_CONTROL(Form1, mnuClear);
KESTRINE_CONTROL(Form1, sepbar2);
KESTRINE_CONTROL(Form1, mnuExit);
KESTRINE_CONTROL(Form1, mnuHelp);
KESTRINE_CONTROL(Form1, mnuHowTo);
KESTRINE_CONTROL(Form1, mnuWebMasters);
KESTRINE_CONTROL(Form1, mnuSearchEngine);
KESTRINE_CONTROL(Form1, sepbar3);
KESTRINE_CONTROL(Form1, mnuAbout);

KESTRINE_CONTROL(Form1, CMDialog1);

} // namespace Form1
