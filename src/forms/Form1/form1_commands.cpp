#include "forms/Form1/form1_commands.h"

#include "compose/composer.h"
#include "forms/Form1/form1_design.h"

namespace Form1 {

namespace {

constexpr Control Text1{WindowId::Form1, "Text1"};
constexpr Control Text2{WindowId::Form1, "Text2"};
constexpr Control Text3{WindowId::Form1, "Text3"};
constexpr Control Text4{WindowId::Form1, "Text4"};

QString missingFieldMessage(compose::Field field)
{
    switch (field) {
    case compose::Field::Title:
        return Form1Design::missingTitleMessage;
    case compose::Field::Description:
        return Form1Design::missingDescriptionMessage;
    case compose::Field::Keywords:
        return Form1Design::missingKeywordsMessage;
    }
    return {};
}

} // namespace

void mnuBuild_Click(Toolkit& ui)
{
    const QString title = ui.text(Text1);
    const QString description = ui.text(Text2);
    const QString keywords = ui.text(Text3);
    if (const auto empty = compose::firstEmptyField(title, description, keywords)) {
        ui.messageBox(missingFieldMessage(*empty), MessageStyle::Critical, Form1Design::errorTitle);
        return;
    }
    // Each element is appended to what the box holds at that moment.
    ui.setText(Text4, compose::titleElement(title));
    ui.setText(Text4, ui.text(Text4) + compose::descriptionElement(description));
    ui.setText(Text4, ui.text(Text4) + compose::keywordsElement(keywords));
}

} // namespace Form1
