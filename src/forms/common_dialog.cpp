#include "forms/common_dialog.h"

#include "forms/file_types.h"
#include "host/host.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

CommonDialog::CommonDialog(QWidget* owner) : QObject(owner), owner_(owner) {}

QString CommonDialog::showSave()
{
    if (!dialog_) {
        dialog_ = new QFileDialog(owner_);
        dialog_->setObjectName(objectName());
        dialog_->setAcceptMode(QFileDialog::AcceptSave);
        dialog_->setFileMode(QFileDialog::AnyFile);
        // Neither a default suffix nor a question before replacing a file.
        dialog_->setOptions(QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails);
        dialog_->setDirectory(host::saveDialogFolder(initialFolder_));
    }
    dialog_->setWindowTitle(title_);
    const QStringList filters = nameFilters(fileTypes_);
    dialog_->setNameFilters(filters);
    if (!filters.isEmpty())
        dialog_->selectNameFilter(filters.first());
    const QFileInfo last(fileName_);
    if (last.isAbsolute())
        dialog_->setDirectory(last.absolutePath());
    dialog_->selectFile(last.fileName());

    if (dialog_->exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog_->selectedFiles();
    if (chosen.isEmpty() || QFileInfo(chosen.first()).fileName().isEmpty())
        return {};
    // The path as the system writes it, for the messages that name it.
    fileName_ = QDir::toNativeSeparators(chosen.first());
    return fileName_;
}
