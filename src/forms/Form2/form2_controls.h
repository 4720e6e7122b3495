#pragma once

#include "app/toolkit/control.h"

// The Web Master Resources window's controls.
namespace Form2 {

KESTRINE_CONTROL(Form2, Form);
KESTRINE_CONTROL(Form2, Command1);
KESTRINE_CONTROL(Form2, Image1);
KESTRINE_CONTROL(Form2, Label1);
KESTRINE_CONTROL(Form2, Label2);
KESTRINE_CONTROL(Form2, Label3);

} // namespace Form2
