#pragma once

#include "app/toolkit/toolkit.h"

// The Web Master Resources window's handlers.
namespace Form2 {

void Command1_Click(Toolkit& ui);
void Image1_Click(Toolkit& ui);
void Label3_Click(Toolkit& ui);

} // namespace Form2
