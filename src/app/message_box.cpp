#include "app/message_box.h"

#include "app/identity.h"
#include "app/toolkit/message_styles.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon iconFor(int style)
{
    switch (style & 0x70) {
    case MessageStyle::Critical:
        return QMessageBox::Critical;
    case MessageStyle::Exclamation:
        return QMessageBox::Warning;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int showMessageBox(const QString& text, int style, const QString& title)
{
    QString shown = text;
    shown.replace(u'\r', u'\n');
    QMessageBox box(iconFor(style), title.isEmpty() ? identity::applicationTitle : title, shown, QMessageBox::NoButton,
                    QApplication::activeWindow());
    if ((style & 0x0F) == MessageStyle::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.setTextFormat(Qt::PlainText);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Ok;
    }
}
