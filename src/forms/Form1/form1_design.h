#pragma once

#include "forms/design.h"

#include <QKeySequence>
#include <QString>
#include <span>

// The main window's design and every text it shows.
namespace Form1Design {

const design::WindowSpec& window();
std::span<const design::ControlSpec> controls();
// Which label above each box names it for a screen reader.
std::span<const design::NamedBy> namedBy();

struct MenuSpec {
    Control item;
    Control menu;    // the menu it belongs to; the window itself for the menu bar
    QString caption; // "-" is a separator line
    QKeySequence shortcut;
};
std::span<const MenuSpec> menus();

// The Save dialog's settings at design time.
struct SaveDialogSpec {
    Control dialog;
    QString title;
    QString fileName;
    QString initialFolder;
};
const SaveDialogSpec& saveDialog();

// Texts of the commands.
QString initialOutputText();
QString clearedOutputText();
QString howToText();
inline const QString errorTitle = QStringLiteral("Error");
inline const QString missingTitleMessage = QStringLiteral("Please enter a value into the title field");
inline const QString missingDescriptionMessage = QStringLiteral("Please enter a value into the description field");
inline const QString missingKeywordsMessage = QStringLiteral("Please enter a value into the keywords field");
inline const QString nothingToSaveMessage = QStringLiteral("Please build your Meta Tags before saving");
QString saveFailedMessage(const QString& path, const QString& reason);
inline const QString saveFileTypes = QStringLiteral("Text Files(*.txt)|*.txt|All Files(*.*)|*.*|");
inline const QString exitTitle = QStringLiteral("Confirm Exit");
inline const QString exitQuestion = QStringLiteral("Are you sure you want to quit?");
inline const QString companionProgram = QStringLiteral("qorvel");

} // namespace Form1Design
