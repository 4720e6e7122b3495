#include "forms/Form2/form2_window.h"

#include "forms/Form2/form2_design.h"

Form2Window::Form2Window()
{
    design::applyWindowDesign(this, Form2Design::window());
    design::placeClientArea(this, Form2Design::window());
    design::buildControls(this, Form2Design::controls());
}
