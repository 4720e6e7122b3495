#pragma once

#include "forms/design.h"

class QWidget;

namespace design {

// Makes the control a design row describes, inside its container, with the
// row's caption, text or picture; `behind` is the control made just before,
// which lies behind it. Place, name, font and visibility are the caller's.
QWidget* makeControl(const ControlSpec& spec, QWidget* parent, QWidget* behind);

} // namespace design
