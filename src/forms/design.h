#pragma once

#include "app/toolkit/control.h"

#include <QPixmap>
#include <QString>
#include <span>

class QPlainTextEdit;
class QWidget;

// A window's design as data: each control with its container, place and size
// in twips, tab index and caption, in the design's front-to-back order.
namespace design {

// Design units are twips; fifteen make one logical pixel.
constexpr int px(int twips)
{
    return twips / 15;
}

enum class Kind { Panel, TextBox, MultiLineTextBox, Label, Image, Button, Frame, Line };

// Settings a row may add to the kind's defaults.
enum Option : unsigned {
    None = 0,
    Hidden = 1 << 0,
    Transparent = 1 << 1,
    Centred = 1 << 2,
    UpArrow = 1 << 3,
    // A transparent label whose leading blanks stand for the caption of the
    // label right behind it (the next row): its words follow that caption.
    Continues = 1 << 4,
    // A label or picture that takes clicks: a link that opens an address or a
    // window, or one of two pictures that together make a toggle, the one
    // that is Checked showing while it is on.
    Link = 1 << 5,
    Toggle = 1 << 6,
    Checked = 1 << 7,
};

inline constexpr int NoTab = -1;

struct ControlSpec {
    Control control;
    Kind kind;
    Control container; // the window itself for its client area
    int left, top, width, height;
    int tab;
    QString text; // caption, initial text, or the picture's resource path
    unsigned options = None;
    QString accessibleName = {}; // what a picture shows, said as a screen reader says it
};

struct WindowSpec {
    WindowId window;
    QString caption;
    int left, top, width, height; // the client area on the screen
    const char* icon;
};

// A control that a label of the same window names for assistive technology:
// the label's caption, without a closing colon or blanks, becomes the
// control's accessible name.
struct NamedBy {
    Control control;
    Control label;
};

// Creates the controls inside the client area: later siblings in front, so
// each container's rows are created back to front. Sets the tab order, names
// the controls after their labels, and puts the focus on the focusable
// control with the lowest tab index.
void buildControls(QWidget* client, std::span<const ControlSpec> controls, std::span<const NamedBy> names = {});

// The window's caption, icon, name and fixed dialog frame: no resizing, no
// minimize or maximize button.
void applyWindowDesign(QWidget* window, const WindowSpec& spec);

// A window whose whole client area is the design's: its fixed size, at its
// designed place on the screen.
void placeClientArea(QWidget* window, const WindowSpec& spec);

// The multi-line box's text with carriage return and line feed between lines,
// whatever the widget keeps inside.
QString multiLineText(const QPlainTextEdit* box);
void setMultiLineText(QPlainTextEdit* box, const QString& text);

// The picture at its natural size, drawn sharp for the screen's pixel ratio.
QPixmap picture(const QString& resource);

} // namespace design
