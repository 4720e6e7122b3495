#include "app/design_fault.h"

#include <QByteArray>
#include <QtGlobal>

void reportDesignFault(std::initializer_list<std::string_view> message)
{
    QByteArray text;
    for (std::string_view part : message)
        text.append(part.data(), qsizetype(part.size()));
#ifdef NDEBUG
    qWarning("Design fault: %s", text.constData());
#else
    qFatal("Design fault: %s", text.constData());
#endif
}
