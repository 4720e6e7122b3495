#pragma once

#include "forms/design.h"

#include <QRgb>
#include <QString>
#include <optional>
#include <span>

// The About window's design, its addresses and its link colours.
namespace aboutmetaDesign {

const design::WindowSpec& window();
std::span<const design::ControlSpec> controls();

inline const QString homePageAddress = QStringLiteral("http://www.orbeck.example");
inline const QString secondHomePageAddress = QStringLiteral("http://home.orbeck.example");
inline const QString downloadSiteAddress = QStringLiteral("http://www.quarrendale.example");

inline constexpr std::optional<QRgb> highlightBlue = qRgb(0, 0, 255);
// The palette's text colour: black on a light desktop, readable on a dark one.
inline constexpr std::optional<QRgb> plainText = std::nullopt;

} // namespace aboutmetaDesign
