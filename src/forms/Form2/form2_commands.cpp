#include "forms/Form2/form2_commands.h"

#include "forms/Form2/form2_design.h"
#include "stoplight/routines.h"

namespace Form2 {

void Command1_Click(Toolkit& ui)
{
    ui.closeWindow(WindowId::Form2);
}

void Image1_Click(Toolkit& ui)
{
    stoplight::OpenUrl(ui, Form2Design::partnerAddress);
}

void Label3_Click(Toolkit& ui)
{
    stoplight::OpenUrl(ui, Form2Design::partnerAddress);
}

} // namespace Form2
