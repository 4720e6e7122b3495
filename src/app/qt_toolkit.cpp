#include "app/qt_toolkit.h"

#include "app/design_fault.h"
#include "app/dispatch_check.h"
#include "app/message_box.h"
#include "forms/common_dialog.h"
#include "forms/design.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

QtToolkit::QtToolkit(Dispatcher& dispatcher)
    : dispatcher_(dispatcher), router_(windows_, [this](Control control, Event event, const MouseMoveArgs& args) {
          dispatcher_.dispatch(*this, control, event, args);
      })
{
}

namespace {

void reportNotABox(Control control)
{
    reportDesignFault({control.name, " is not a text box"});
}

} // namespace

QString QtToolkit::text(Control box) const
{
    QWidget* widget = windows_.find(box);
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return line->text();
    if (auto* lines = qobject_cast<QPlainTextEdit*>(widget))
        return design::multiLineText(lines);
    if (widget)
        reportNotABox(box);
    return {};
}

void QtToolkit::setText(Control box, const QString& text)
{
    QWidget* widget = windows_.find(box);
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        line->setText(text);
    else if (auto* lines = qobject_cast<QPlainTextEdit*>(widget))
        design::setMultiLineText(lines, text);
    else if (widget)
        reportNotABox(box);
}

void QtToolkit::setVisible(Control picture, bool visible)
{
    if (QWidget* widget = windows_.find(picture))
        widget->setVisible(visible);
}

void QtToolkit::setTextColor(Control label, std::optional<QRgb> colour)
{
    QWidget* widget = windows_.find(label);
    if (!widget)
        return;
    if (!colour) {
        // A palette with nothing of its own: the label follows the window's.
        widget->setPalette(QPalette());
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(*colour));
    widget->setPalette(palette);
}

void QtToolkit::showWindow(WindowId id)
{
    bool created = false;
    QWidget* shown = windows_.open(id, created);
    if (!shown)
        return;
    if (created) {
        checkDispatchRows(dispatcher_, id, *shown);
        router_.wire(id, shown);
    }
    shown->show();
    shown->raise();
    shown->activateWindow();
}

void QtToolkit::closeWindow(WindowId id)
{
    if (QWidget* shown = windows_.window(id))
        shown->close();
}

void QtToolkit::endProgram()
{
    dispatcher_.stop();
    windows_.hideAll();
    QCoreApplication::quit();
}

void QtToolkit::setStaysOnTop(WindowId id, bool onTop)
{
    windows_.setStaysOnTop(id, onTop);
}

std::uintptr_t QtToolkit::nativeHandle(WindowId id) const
{
    QWidget* shown = windows_.window(id);
    return shown ? std::uintptr_t(shown->winId()) : 0;
}

int QtToolkit::messageBox(const QString& text, int style, const QString& title)
{
    return showMessageBox(text, style, title);
}

void QtToolkit::setSaveDialogFilter(Control dialog, const QString& filter)
{
    if (auto* component = windows_.find<CommonDialog>(dialog))
        component->setFileTypes(filter);
}

QString QtToolkit::showSaveDialog(Control dialog)
{
    auto* component = windows_.find<CommonDialog>(dialog);
    return component ? component->showSave() : QString();
}

void QtToolkit::processEvents()
{
    QCoreApplication::processEvents();
}
