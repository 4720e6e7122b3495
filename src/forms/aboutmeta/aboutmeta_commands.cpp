#include "forms/aboutmeta/aboutmeta_commands.h"

#include "forms/aboutmeta/aboutmeta_controls.h"
#include "forms/aboutmeta/aboutmeta_design.h"
#include "stoplight/routines.h"

namespace aboutmeta {

namespace {

using aboutmetaDesign::highlightBlue;
using aboutmetaDesign::plainText;

// All three links, always in this order, whether or not a colour changes.
void colourLinks(Toolkit& ui, std::optional<QRgb> label4, std::optional<QRgb> label5, std::optional<QRgb> label7)
{
    ui.setTextColor(Label4, label4);
    ui.setTextColor(Label5, label5);
    ui.setTextColor(Label7, label7);
}

void resetLinks(Toolkit& ui)
{
    colourLinks(ui, plainText, plainText, plainText);
}

} // namespace

void Command1_Click(Toolkit& ui)
{
    ui.closeWindow(WindowId::aboutmeta);
}

void Image1_Click(Toolkit& ui)
{
    stoplight::OpenUrl(ui, aboutmetaDesign::homePageAddress);
}

void Label4_Click(Toolkit& ui)
{
    ui.showWindow(WindowId::Form2);
}

void Label5_Click(Toolkit& ui)
{
    stoplight::OpenUrl(ui, aboutmetaDesign::secondHomePageAddress);
}

void Label7_Click(Toolkit& ui)
{
    stoplight::OpenUrl(ui, aboutmetaDesign::downloadSiteAddress);
}

void Label4_MouseMove(Toolkit& ui, int, int, float, float)
{
    colourLinks(ui, highlightBlue, plainText, plainText);
}

void Label5_MouseMove(Toolkit& ui, int, int, float, float)
{
    colourLinks(ui, plainText, highlightBlue, plainText);
}

void Label7_MouseMove(Toolkit& ui, int, int, float, float)
{
    colourLinks(ui, plainText, plainText, highlightBlue);
}

void Form_MouseMove(Toolkit& ui, int, int, float, float)
{
    resetLinks(ui);
}

void Command1_MouseMove(Toolkit& ui, int, int, float, float)
{
    resetLinks(ui);
}

void Frame1_MouseMove(Toolkit& ui, int, int, float, float)
{
    resetLinks(ui);
}

void Image1_MouseMove(Toolkit& ui, int, int, float, float)
{
    resetLinks(ui);
}

void Label1_MouseMove(Toolkit& ui, int, int, float, float)
{
    resetLinks(ui);
}

void Label2_MouseMove(Toolkit& ui, int, int, float, float)
{
    resetLinks(ui);
}

void Label3_MouseMove(Toolkit& ui, int, int, float, float)
{
    resetLinks(ui);
}

void Label6_MouseMove(Toolkit& ui, int, int, float, float)
{
    resetLinks(ui);
}

void Label8_MouseMove(Toolkit& ui, int, int, float, float)
{
    resetLinks(ui);
}

void Label9_MouseMove(Toolkit& ui, int, int, float, float)
{
    resetLinks(ui);
}

} // namespace aboutmeta
