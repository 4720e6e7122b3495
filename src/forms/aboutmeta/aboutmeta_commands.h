#pragma once

#include "app/toolkit/toolkit.h"

// The About window's handlers.
namespace aboutmeta {

void Command1_Click(Toolkit& ui);
void Image1_Click(Toolkit& ui);
void Label4_Click(Toolkit& ui);
void Label5_Click(Toolkit& ui);
void Label7_Click(Toolkit& ui);

// Hover highlighting: the link under the mouse turns blue, the others black.
void Label4_MouseMove(Toolkit& ui, int button, int shift, float x, float y);
void Label5_MouseMove(Toolkit& ui, int button, int shift, float x, float y);
void Label7_MouseMove(Toolkit& ui, int button, int shift, float x, float y);

// Everywhere else in the window (but Label10) every link turns black.
void Form_MouseMove(Toolkit& ui, int button, int shift, float x, float y);
void Command1_MouseMove(Toolkit& ui, int button, int shift, float x, float y);
void Frame1_MouseMove(Toolkit& ui, int button, int shift, float x, float y);
void Image1_MouseMove(Toolkit& ui, int button, int shift, float x, float y);
void Label1_MouseMove(Toolkit& ui, int button, int shift, float x, float y);
void Label2_MouseMove(Toolkit& ui, int button, int shift, float x, float y);
void Label3_MouseMove(Toolkit& ui, int button, int shift, float x, float y);
void Label6_MouseMove(Toolkit& ui, int button, int shift, float x, float y);
void Label8_MouseMove(Toolkit& ui, int button, int shift, float x, float y);
void Label9_MouseMove(Toolkit& ui, int button, int shift, float x, float y);

} // namespace aboutmeta
