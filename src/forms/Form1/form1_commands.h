#pragma once

#include "app/toolkit.h"

// The main window's handlers.
namespace Form1 {

void mnuBuild_Click(Toolkit& ui);

} // namespace Form1
