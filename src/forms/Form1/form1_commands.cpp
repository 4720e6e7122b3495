#include "forms/Form1/form1_commands.h"

#include "compose/composer.h"
#include "compose/export.h"
#include "forms/Form1/form1_controls.h"
#include "forms/Form1/form1_design.h"
#include "host/host.h"
#include "stoplight/routines.h"

#include <QCoreApplication>
#include <QDir>

namespace Form1 {

namespace {

// Set while a save lets the waiting events be handled before its file is put
// in place.
bool saving = false;

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
    ui.setText(Text4, compose::metaTags(title, description, keywords));
}

void mnuSave_Click(Toolkit& ui)
{
    // A Save chosen while another one is finishing is not started: its dialog
    // would open over a file that is not yet in place.
    if (saving)
        return;
    if (ui.text(Text4).isEmpty()) {
        ui.setVisible(Image3, true);
        ui.setVisible(Image4, false);
        ui.messageBox(Form1Design::nothingToSaveMessage, MessageStyle::Critical, Form1Design::errorTitle);
        ui.setVisible(Image3, false);
        ui.setVisible(Image4, true);
        return;
    }
    ui.setSaveDialogFilter(CMDialog1, Form1Design::saveFileTypes);
    const QString path = ui.showSaveDialog(CMDialog1);
    if (path.isEmpty())
        return;

    saving = true;
    const compose::ExportResult result =
        compose::exportText(path, ui.text(Text4), host::toSystemEncoding, [&ui] { ui.processEvents(); });
    saving = false;
    if (!result.saved)
        ui.messageBox(Form1Design::saveFailedMessage(path, result.reason), MessageStyle::Critical,
                      Form1Design::errorTitle);
}

void mnuClear_Click(Toolkit& ui)
{
    ui.setText(Text1, QString());
    ui.setText(Text2, QString());
    ui.setText(Text3, QString());
    ui.setText(Text4, Form1Design::clearedOutputText());
}

void mnuExit_Click(Toolkit& ui)
{
    if (ui.messageBox(Form1Design::exitQuestion, MessageStyle::YesNo, Form1Design::exitTitle) == MessageAnswer::Yes)
        ui.endProgram();
}

void mnuHowTo_Click(Toolkit& ui)
{
    ui.messageBox(Form1Design::howToText(), MessageStyle::Ok);
}

void mnuWebMasters_Click(Toolkit& ui)
{
    ui.showWindow(WindowId::Form2);
}

QString companionProgramPath(const QString& programFolder)
{
    return QDir::toNativeSeparators(programFolder + u'/' + Form1Design::companionProgram + host::executableSuffix());
}

void mnuSearchEngine_Click(Toolkit&)
{
    // Whether it starts or not, nothing is shown and the window is unchanged.
    host::startDetached(companionProgramPath(QCoreApplication::applicationDirPath()));
}

void mnuAbout_Click(Toolkit& ui)
{
    ui.showWindow(WindowId::aboutmeta);
}

void Image2_Click(Toolkit& ui)
{
    ui.setVisible(Image2, false);
    ui.setVisible(Image1, true);
    stoplight::StayOnTop(ui, WindowId::Form1);
}

void Image1_Click(Toolkit& ui)
{
    ui.setVisible(Image1, false);
    ui.setVisible(Image2, true);
    stoplight::ReleaseStayOnTop(ui, WindowId::Form1);
}

} // namespace Form1
