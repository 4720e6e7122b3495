#include "forms/Form2/form2_design.h"

#include "forms/Form2/form2_controls.h"

#include <array>

namespace Form2Design {

using namespace design;
using namespace Form2;
using enum Kind;

const WindowSpec& window()
{
    static const WindowSpec spec{WindowId::Form2,     QStringLiteral("Web Master Resources"), 2130, 3255, 4335, 2895,
                                 ":/assets/globe.svg"};
    return spec;
}

std::span<const ControlSpec> controls()
{
    // Label1's blanks fill its first line, so that the description starts on
    // the next one; Label3's stand for Label2's sentence, which its host name
    // follows.
    // clang-format off
    static const std::array rows{
        //          control     kind    container left   top  width height tab  text
        ControlSpec{Command1,   Button, Form,      1680, 2400,  735,  375,  3, QStringLiteral("OK")},
        ControlSpec{Label3,     Label,  Form,       120, 1800, 4095,  495,  2,
                    QString(131, u' ') + partnerHost, Transparent | UpArrow | Continues | Link},
        ControlSpec{Label2,     Label,  Form,       120, 1800, 4095,  495,  1,
                    QStringLiteral("Check them out by clicking on there logo above, or pointing your browser to")},
        ControlSpec{Label1,     Label,  Form,       120,  600, 4095,  975,  0,
                    QStringLiteral("Attention Web Masters!") + QString(48, u' ') +
                    QStringLiteral("Hollisway is a resource for webmasters, providing gobs and gobs of info for "
                                   "anyone looking into sponsors, promotion, hosting, discussion, or just about "
                                   "anything else a webmaster might be looking for.") + QString(130, u' ')},
        ControlSpec{Image1,     Image,  Form,       120,  120, 4140,  420, NoTab,
                    QStringLiteral(":/assets/partner-banner.svg"), UpArrow | Link, QStringLiteral("Hollisway logo")},
    };
    // clang-format on
    return rows;
}

} // namespace Form2Design
