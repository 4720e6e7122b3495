#include "fake_toolkit.h"

namespace {

QString windowName(WindowId window)
{
    switch (window) {
    case WindowId::Form1:
        return QStringLiteral("Form1");
    case WindowId::Form2:
        return QStringLiteral("Form2");
    case WindowId::aboutmeta:
        return QStringLiteral("aboutmeta");
    }
    return {};
}

} // namespace

QString FakeToolkit::key(Control control)
{
    return windowName(control.window) + u'.' + QString::fromUtf8(control.name.data(), qsizetype(control.name.size()));
}

QString FakeToolkit::text(Control box) const
{
    return texts.value(key(box));
}

void FakeToolkit::setText(Control box, const QString& text)
{
    texts[key(box)] = text;
    log << QStringLiteral("setText %1 %2").arg(key(box), text);
}

void FakeToolkit::setVisible(Control picture, bool shown)
{
    visible[key(picture)] = shown;
    log << QStringLiteral("setVisible %1 %2").arg(key(picture), shown ? "true" : "false");
}

void FakeToolkit::setTextColor(Control label, QRgb colour)
{
    colours[key(label)] = colour;
    log << QStringLiteral("setTextColor %1 %2").arg(key(label)).arg(colour & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

void FakeToolkit::showWindow(WindowId window)
{
    log << QStringLiteral("showWindow ") + windowName(window);
}

void FakeToolkit::closeWindow(WindowId window)
{
    log << QStringLiteral("closeWindow ") + windowName(window);
}

void FakeToolkit::endProgram()
{
    log << QStringLiteral("endProgram");
}

void FakeToolkit::setStaysOnTop(WindowId window, bool onTop)
{
    log << QStringLiteral("setStaysOnTop %1 %2").arg(windowName(window), onTop ? "true" : "false");
}

std::uintptr_t FakeToolkit::nativeHandle(WindowId) const
{
    return 0;
}

int FakeToolkit::messageBox(const QString& text, int style, const QString& title)
{
    log << QStringLiteral("messageBox %1 %2|%3").arg(style).arg(title, text);
    if (whileBoxOpen)
        whileBoxOpen(text);
    return boxAnswers.isEmpty() ? MessageAnswer::Ok : boxAnswers.takeFirst();
}

void FakeToolkit::setSaveDialogFilter(const QString& filter)
{
    log << QStringLiteral("setSaveDialogFilter ") + filter;
}

QString FakeToolkit::showSaveDialog()
{
    log << QStringLiteral("showSaveDialog");
    return dialogAnswers.isEmpty() ? QString() : dialogAnswers.takeFirst();
}

void FakeToolkit::processEvents()
{
    log << QStringLiteral("processEvents");
    if (onProcessEvents)
        onProcessEvents();
}
