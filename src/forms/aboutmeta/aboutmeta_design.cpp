#include "forms/aboutmeta/aboutmeta_design.h"

#include "forms/aboutmeta/aboutmeta_controls.h"

#include <array>

namespace aboutmetaDesign {

using namespace design;
using namespace aboutmeta;
using enum Kind;

const WindowSpec& window()
{
    static const WindowSpec spec{WindowId::aboutmeta,    QStringLiteral("About this program"), 1710, 3510, 6135, 4050,
                                 ":/assets/kestrine.svg"};
    return spec;
}

std::span<const ControlSpec> controls()
{
    // clang-format off
    static const std::array rows{
        //          control     kind    container left   top  width height tab  text
        ControlSpec{Command1,   Button, Form,      2520, 3600, 1215,  375,  6, QStringLiteral("&OK")},
        ControlSpec{Frame1,     Frame,  Form,       120,    0, 5895, 2895,  0, {}},
        ControlSpec{Label10,    Label,  Form,       120, 3000, 5895,  495, 10,
                    QStringLiteral("The Hollisway logo is used with permission. Hollisway and its logo are "
                                   "copyright Hollisway Media.")},

        ControlSpec{Label4,     Label,  Frame1,    2520, 2520, 3135,  255, 11,
                    QStringLiteral("Web Masters, Click here for more resources"), Link},
        ControlSpec{Label9,     Label,  Frame1,    2520,  360, 3135,  255,  9,
                    QStringLiteral("Last Build Date: 07/09/99"), Centred},
        ControlSpec{Label1,     Label,  Frame1,    2640,  120, 3135,  255,  8,
                    QStringLiteral("Orbeck Kestrine"), Centred},
        ControlSpec{Label8,     Label,  Frame1,    2640, 1320, 3135,  255,  7,
                    QStringLiteral("Orbeck Software Homepage"), Centred | UpArrow},
        ControlSpec{Image1,     Image,  Frame1,     120,  240, 2250, 2565, NoTab,
                    QStringLiteral(":/assets/maker-logo.svg"), UpArrow | Link, QStringLiteral("Orbeck Software logo")},
        ControlSpec{Label2,     Label,  Frame1,    2520,  600, 3135,  255,  5,
                    QStringLiteral("© 1998-1999 Orbeck Software"), Centred},
        ControlSpec{Label3,     Label,  Frame1,    2520,  840, 3135,  255,  4,
                    QStringLiteral("All Rights Reserved"), Centred},
        ControlSpec{Label5,     Label,  Frame1,    2400, 1560, 3375,  255,  3,
                    homePageAddress, Centred | UpArrow | Link},
        ControlSpec{Label6,     Label,  Frame1,    2520, 1920, 3135,  255,  2,
                    QStringLiteral("For other Shareware and Freeware visit"), Centred},
        ControlSpec{Label7,     Label,  Frame1,    2520, 2160, 3135,  255,  1,
                    QStringLiteral("Q U A R R E N D A L E"), Centred | UpArrow | Link},
        ControlSpec{Line1,      Line,   Frame1,    2640, 1200, 3120,    0, NoTab, {}},
    };
    // clang-format on
    return rows;
}

} // namespace aboutmetaDesign
