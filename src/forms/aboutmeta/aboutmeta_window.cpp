#include "forms/aboutmeta/aboutmeta_window.h"

#include "forms/aboutmeta/aboutmeta_design.h"

AboutmetaWindow::AboutmetaWindow()
{
    design::applyWindowDesign(this, aboutmetaDesign::window());
    design::placeClientArea(this, aboutmetaDesign::window());
    design::buildControls(this, aboutmetaDesign::controls());
}
