#pragma once

#include "app/toolkit/toolkit.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

// A toolkit that records what the handlers ask of it and answers the modal
// parts with what the test queued. The text boxes keep their texts; every
// other call is logged as one line, such as "setVisible Form1.Image3 true" or
// "messageBox 16 Error|Please ...".
class FakeToolkit : public Toolkit {
public:
    static QString name(WindowId window) { return objectName(windowName(window)); }
    // Every control a handler names is kept in `named`.
    QString key(Control control) const
    {
        const QString key = name(control.window) + u'.' + control.objectName();
        named.insert(key);
        return key;
    }

    QString text(Control box) const override { return texts.value(key(box)); }
    void setText(Control box, const QString& text) override { texts[key(box)] = text; }
    void setVisible(Control picture, bool shown) override
    {
        log << "setVisible " + key(picture) + (shown ? " true" : " false");
    }
    void setTextColor(Control label, std::optional<QRgb> colour) override
    {
        log << QStringLiteral("setTextColor %1 %2")
                   .arg(key(label), colour ? QStringLiteral("%1").arg(*colour & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                                           : QStringLiteral("text"));
    }
    void showWindow(WindowId window) override { log << "showWindow " + name(window); }
    void closeWindow(WindowId window) override { log << "closeWindow " + name(window); }
    void endProgram() override { log << "endProgram"; }
    void setStaysOnTop(WindowId window, bool onTop) override
    {
        log << "setStaysOnTop " + name(window) + (onTop ? " true" : " false");
    }
    std::uintptr_t nativeHandle(WindowId) const override { return 0; }
    int messageBox(const QString& text, int style, const QString& title) override
    {
        log << QStringLiteral("messageBox %1 %2|%3").arg(style).arg(title, text);
        return boxAnswers.isEmpty() ? MessageAnswer::Ok : boxAnswers.takeFirst();
    }
    void setSaveDialogFilter(Control dialog, const QString& filter) override
    {
        log << "setSaveDialogFilter " + key(dialog) + u' ' + filter;
    }
    QString showSaveDialog(Control dialog) override
    {
        log << "showSaveDialog " + key(dialog);
        return dialogAnswers.isEmpty() ? QString() : dialogAnswers.takeFirst();
    }
    void processEvents() override { onProcessEvents(); }

    // State as the handlers left it.
    QHash<QString, QString> texts;
    QStringList log;
    mutable QSet<QString> named;

    // Answers: buttons for the next boxes (OK when none is queued), paths for
    // the next Save dialogs (cancelled when none is queued), and what runs
    // while the waiting events are handled or a box is open.
    QList<int> boxAnswers;
    QStringList dialogAnswers;
    std::function<void()> onProcessEvents = [] {};
};
