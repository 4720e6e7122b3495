#pragma once

#include "forms/design.h"

#include <QString>
#include <span>

// The Web Master Resources window's design and the address it opens.
namespace Form2Design {

const design::WindowSpec& window();
std::span<const design::ControlSpec> controls();

inline const QString partnerAddress = QStringLiteral("http://www.hollisway.example");
inline const QString partnerHost = QStringLiteral("www.hollisway.example");

} // namespace Form2Design
