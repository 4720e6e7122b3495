#include "app/dispatch_check.h"

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

void reportDesignFault(const QByteArray& message)
{
#ifdef NDEBUG
    qWarning("Design fault: %s", message.constData());
#else
    qFatal("Design fault: %s", message.constData());
#endif
}

void checkDispatchRows(const Dispatcher& dispatcher, WindowId id, const QWidget& window)
{
    const auto exists = [&](std::string_view name, Event event) { return hasControl(window, name, event); };
    for (const DispatchEntry* row : dispatcher.rowsWithoutControl(id, exists)) {
        const QByteArray where =
            window.objectName().toUtf8() + '.' + QByteArray(row->control.name.data(), row->control.name.size());
        reportDesignFault("the dispatch row " + where + " names no control of its window that takes its event");
    }
}
