#pragma once

#include "app/toolkit/control.h"

// The About window's controls.
namespace aboutmeta {

KESTRINE_CONTROL(aboutmeta, Form);
KESTRINE_CONTROL(aboutmeta, Command1);
KESTRINE_CONTROL(aboutmeta, Frame1);
KESTRINE_CONTROL(aboutmeta, Image1);
KESTRINE_CONTROL(aboutmeta, Line1);
KESTRINE_CONTROL(aboutmeta, Label1);
KESTRINE_CONTROL(aboutmeta, Label2);
KESTRINE_CONTROL(aboutmeta, Label3);
KESTRINE_CONTROL(aboutmeta, Label4);
KESTRINE_CONTROL(aboutmeta, Label5);
KESTRINE_CONTROL(aboutmeta, Label6);
KESTRINE_CONTROL(aboutmeta, Label7);
KESTRINE_CONTROL(aboutmeta, Label8);
KESTRINE_CONTROL(aboutmeta, Label9);
KESTRINE_CONTROL(aboutmeta, Label10);

} // namespace aboutmeta
