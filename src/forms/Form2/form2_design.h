#pragma once

#include "forms/design.h"

#include <QString>
#include <QUrl>
#include <span>

// The Web Master Resources window's design and the address it opens.
namespace Form2Design {

const design::WindowSpec& window();
std::span<const design::ControlSpec> controls();

inline const QString partnerAddress = QStringLiteral("http://www.hollisway.example");
// The address without its scheme, as the window shows it.
inline const QString partnerHost = QUrl(partnerAddress).host();

} // namespace Form2Design
