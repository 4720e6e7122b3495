#pragma once

#include <QFont>

// The one font of the three windows' controls. The designs were laid out for
// a narrow 8-point dialog font, so it is Liberation Sans at the largest size
// up to 8 points at which every caption fits its box on its designed lines;
// where that family is missing, the desktop's own family, no smaller than 10
// pixels, narrowed as far as the captions need. Chosen once, at first use.
namespace design {

const QFont& designFont();

} // namespace design
