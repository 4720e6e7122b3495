#include "app/dispatch_check.h"

#include "app/design_fault.h"
#include "forms/controls/click_target.h"

#include <QAbstractButton>
#include <QAction>
#include <QtGlobal>

bool hasControl(const QWidget& window, std::string_view name, Event event)
{
    const QString objectName = QString::fromUtf8(name.data(), qsizetype(name.size()));
    if (window.findChild<QAction*>(objectName))
        return event == Event::Click;
    const QWidget* control = window.findChild<QWidget*>(objectName);
    if (event == Event::MouseMove)
        return control != nullptr;
    return qobject_cast<const QAbstractButton*>(control) || qobject_cast<const ClickTarget*>(control);
}

void checkDispatchRows(const Dispatcher& dispatcher, WindowId id, const QWidget& window)
{
    const auto exists = [&](std::string_view name, Event event) { return hasControl(window, name, event); };
    for (const DispatchEntry* row : dispatcher.rowsWithoutControl(id, exists)) {
        reportDesignFault({"the dispatch row ", windowName(id), ".", row->control.name,
                           " names no control of its window that takes its event"});
    }
}
