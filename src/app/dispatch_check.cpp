#include "app/dispatch_check.h"

#include <QAction>
#include <QtGlobal>

bool hasControl(const QWidget& window, std::string_view name)
{
    const QString objectName = QString::fromUtf8(name.data(), qsizetype(name.size()));
    return window.findChild<QWidget*>(objectName) || window.findChild<QAction*>(objectName);
}

void checkDispatchRows(const Dispatcher& dispatcher, WindowId id, const QWidget& window)
{
    const auto exists = [&](std::string_view name) { return hasControl(window, name); };
    for (const DispatchEntry* row : dispatcher.rowsWithoutControl(id, exists)) {
        const QByteArray where =
            window.objectName().toUtf8() + '.' + QByteArray(row->control.data(), row->control.size());
#ifdef NDEBUG
        qWarning("The dispatch row %s names no control of its window", where.constData());
#else
        qFatal("The dispatch row %s names no control of its window", where.constData());
#endif
    }
}
