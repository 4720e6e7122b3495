#include "forms/Form1/form1_design.h"

#include "forms/Form1/form1_controls.h"

#include <array>

namespace Form1Design {

using namespace design;
using namespace Form1;
using enum Kind;

const WindowSpec& window()
{
    static const WindowSpec spec{WindowId::Form1,     QStringLiteral("Orbeck Kestrine"), 1695, 3165, 5430, 4485,
                                 ":/assets/globe.svg"};
    return spec;
}

std::span<const ControlSpec> controls()
{
    // The pushpin's two pictures are one toggle, on while the pin is pressed in.
    const QString keepOnTop = QStringLiteral("Keep on top");
    // clang-format off
    static const std::array rows{
        //          control     kind              container   left   top  width height tab  text
        ControlSpec{Text4,      MultiLineTextBox, Form,        120, 2280, 5175, 1575,  8, initialOutputText()},
        ControlSpec{Text2,      TextBox,          Form,        120,  960, 5175,  285,  5, {}},
        ControlSpec{Text1,      TextBox,          Form,        120,  360, 5175,  285,  3, {}},
        ControlSpec{Picture2,   Panel,            Form,          0,    0, 5415, 3975,  1, {},
                    None, QStringLiteral("Web site details")},
        ControlSpec{Picture1,   Panel,            Form,          0, 4080, 5415,  375,  0, {},
                    None, QStringLiteral("Status light and pushpin")},

        ControlSpec{Text3,      TextBox,          Picture2,    120, 1560, 5175,  285,  7, {}},
        ControlSpec{Label4,     Label,            Picture2,    120, 1920, 5175,  255,  9,
                    QStringLiteral("Below are the Meta Tags based on your the information you provided. ")},
        ControlSpec{Label3,     Label,            Picture2,    120, 1320, 2535,  255,  6,
                    QStringLiteral("Keywords (Seperated by commas):")},
        ControlSpec{Label2,     Label,            Picture2,    120,  720, 1695,  255,  4,
                    QStringLiteral("Web Site Description:")},
        ControlSpec{Label1,     Label,            Picture2,    120,  120, 1335,  255,  2,
                    QStringLiteral("Web Site Name:")},

        ControlSpec{Image4,     Image,            Picture1,    120,    0,  600,  315, NoTab,
                    QStringLiteral(":/assets/light-green.svg"), None, QStringLiteral("Status light: green")},
        ControlSpec{Image3,     Image,            Picture1,    120,    0,  600,  315, NoTab,
                    QStringLiteral(":/assets/light-red.svg"), Hidden, QStringLiteral("Status light: red")},
        ControlSpec{Image1,     Image,            Picture1,   4920,    0,  375,  345, NoTab,
                    QStringLiteral(":/assets/pin-pressed.svg"), Hidden | Toggle | Checked, keepOnTop},
        ControlSpec{Image2,     Image,            Picture1,   4800,    0,  450,  300, NoTab,
                    QStringLiteral(":/assets/pin-lying.svg"), Toggle, keepOnTop},
    };
    // clang-format on
    return rows;
}

std::span<const NamedBy> namedBy()
{
    // clang-format off
    static const std::array rows{
        //      control  label
        NamedBy{Text1, Label1},
        NamedBy{Text2, Label2},
        NamedBy{Text3, Label3},
        NamedBy{Text4, Label4},
    };
    // clang-format on
    return rows;
}

std::span<const MenuSpec> menus()
{
    // clang-format off
    static const std::array rows{
        //       item             menu     caption                                   shortcut
        MenuSpec{mnuFile,         Form,    QStringLiteral("&File"),                  {}},
        MenuSpec{mnuBuild,        mnuFile, QStringLiteral("&Build"),                 QKeySequence(Qt::CTRL | Qt::Key_B)},
        MenuSpec{mnuSave,         mnuFile, QStringLiteral("&Save To File"),          QKeySequence(Qt::CTRL | Qt::Key_S)},
        MenuSpec{sepbar1,         mnuFile, QStringLiteral("-"),                      {}},
        MenuSpec{mnuClear,        mnuFile, QStringLiteral("&Clear Fields"),          {}},
        MenuSpec{sepbar2,         mnuFile, QStringLiteral("-"),                      {}},
        MenuSpec{mnuExit,         mnuFile, QStringLiteral("E&xit"),                  {}},
        MenuSpec{mnuHelp,         Form,    QStringLiteral("&Help"),                  {}},
        MenuSpec{mnuHowTo,        mnuHelp, QStringLiteral("&How to"),                {}},
        MenuSpec{mnuWebMasters,   mnuHelp, QStringLiteral("&Web Master Resources"),  {}},
        MenuSpec{mnuSearchEngine, mnuHelp, QStringLiteral("Search Engine &Tactics"), {}},
        MenuSpec{sepbar3,         mnuHelp, QStringLiteral("-"),                      {}},
        MenuSpec{mnuAbout,        mnuHelp, QStringLiteral("&About"),                 {}},
    };
    // clang-format on
    return rows;
}

const SaveDialogSpec& saveDialog()
{
    static const SaveDialogSpec spec{CMDialog1, QStringLiteral("Save as"), QStringLiteral("Untitled"),
                                     QStringLiteral("C:\\")};
    return spec;
}

QString initialOutputText()
{
    return QStringLiteral("Once you select build, your meta tags will appear here. Insert the \r\n"
                          "following tags between the <HEAD> and </HEAD> tags in \r\n"
                          "your HTML page. \r\n");
}

QString clearedOutputText()
{
    return QStringLiteral("Once you select build, your meta tags will appear here. Insert the following tags "
                          "between the <HEAD> and </HEAD> tags in your HTML page.");
}

QString howToText()
{
    return QStringLiteral("Simply enter the requested information into the provided text boxes and click build."
                          "\r\r"
                          "The Program will generate your meta tags into the bottom text box for you to copy and "
                          "paste into your HTML document."
                          "\r\r"
                          "Or you may choose to save the tags into a text file for future reference.");
}

QString saveFailedMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("The Meta Tags could not be saved to '") + path + QStringLiteral("' (") + reason +
           QStringLiteral(").");
}

} // namespace Form1Design
