#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QFileDialog;
class QWidget;

// The main window's Save dialog component. It holds the design settings and
// the last chosen name; the dialog itself is made at its first showing and
// kept, so a later showing offers the name chosen the time before.
class CommonDialog : public QObject {
    Q_OBJECT

public:
    explicit CommonDialog(QWidget* owner);

    void setDialogTitle(const QString& title) { title_ = title; }
    void setFileName(const QString& fileName) { fileName_ = fileName; }
    void setInitialFolder(const QString& folder) { initialFolder_ = folder; }
    void setFileTypes(const QString& fileTypes) { fileTypes_ = fileTypes; }

    // Shows the modal Save dialog; returns the chosen full path, or an empty
    // string when the user cancels.
    QString showSave();

private:
    QWidget* owner_;
    QPointer<QFileDialog> dialog_;
    QString title_;
    QString fileName_;
    QString initialFolder_;
    QString fileTypes_;
};
