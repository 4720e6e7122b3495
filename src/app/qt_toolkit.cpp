#include "app/qt_toolkit.h"

#include "app/identity.h"
#include "forms/Form1/form1_window.h"
#include "forms/Form2/form2_window.h"
#include "forms/aboutmeta/aboutmeta_window.h"
#include "forms/common_dialog.h"
#include "forms/design.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QWindow>
#include <utility>

namespace {

constexpr std::string_view kWindowItself = "Form";

std::size_t slot(WindowId id)
{
    return static_cast<std::size_t>(id);
}

int buttonCode(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

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

QtToolkit::QtToolkit() = default;

QtToolkit::~QtToolkit()
{
    for (const QPointer<QWidget>& window : windows_)
        delete window.data();
}

QWidget* QtToolkit::window(WindowId id) const
{
    return windows_[slot(id)].data();
}

QWidget* QtToolkit::create(WindowId id)
{
    switch (id) {
    case WindowId::Form1:
        return new Form1Window;
    case WindowId::Form2:
        return new Form2Window;
    case WindowId::aboutmeta:
        return new AboutmetaWindow;
    }
    return nullptr;
}

void QtToolkit::wire(WindowId id, QWidget* window)
{
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->objectName().isEmpty())
            continue;
        const std::string name = action->objectName().toStdString();
        connect(action, &QAction::triggered, this, [this, id, name] { dispatch(id, name, Event::Click); });
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        const std::string name = button->objectName().toStdString();
        connect(button, &QAbstractButton::clicked, this, [this, id, name] { dispatch(id, name, Event::Click); });
    }
    window->installEventFilter(this);
    window->setMouseTracking(true);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        child->installEventFilter(this);
        child->setMouseTracking(true);
    }
}

bool QtToolkit::dispatch(WindowId window, std::string_view control, Event event, const MouseMoveArgs& args)
{
    const bool handled = dispatcher_ && dispatcher_->dispatch(window, control, event, args);
    applyDeferredText();
    return handled;
}

void QtToolkit::applyDeferredText()
{
    if (!deferredBox_)
        return;
    QPlainTextEdit* box = deferredBox_;
    deferredBox_ = nullptr;
    design::setMultiLineText(box, std::exchange(deferredText_, QString()));
}

bool QtToolkit::eventFilter(QObject* watched, QEvent* event)
{
    applyDeferredText();
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    QWidget* top = widget->window();
    const auto found = std::find(windows_.begin(), windows_.end(), top);
    if (found == windows_.end())
        return false;
    const auto id = static_cast<WindowId>(found - windows_.begin());
    const auto* main = qobject_cast<QMainWindow*>(top);
    const bool itself = widget == top || (main && widget == main->centralWidget());
    const std::string name = itself ? std::string(kWindowItself) : widget->objectName().toStdString();
    auto* mouse = static_cast<QMouseEvent*>(event);

    if (type == QEvent::MouseMove) {
        const QPointF at = mouse->position() * 15;
        dispatch(id, name, Event::MouseMove,
                 {buttonCode(mouse->buttons()), shiftCode(mouse->modifiers()), float(at.x()), float(at.y())});
        return false;
    }
    if (mouse->button() != Qt::LeftButton || qobject_cast<QAbstractButton*>(widget))
        return false;
    if (type == QEvent::MouseButtonPress) {
        pressed_ = widget;
    } else if (pressed_ == widget && widget->rect().contains(mouse->position().toPoint())) {
        pressed_ = nullptr;
        dispatch(id, name, Event::Click);
    }
    return false;
}

QWidget* QtToolkit::control(Control control) const
{
    QWidget* top = window(control.window);
    if (!top)
        return nullptr;
    return top->findChild<QWidget*>(QString::fromUtf8(control.name.data(), qsizetype(control.name.size())));
}

QString QtToolkit::text(Control box) const
{
    QWidget* widget = control(box);
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return line->text();
    if (auto* lines = qobject_cast<QPlainTextEdit*>(widget))
        return lines == deferredBox_ ? deferredText_ : design::multiLineText(lines);
    return {};
}

void QtToolkit::setText(Control box, const QString& text)
{
    QWidget* widget = control(box);
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        line->setText(text);
    else if (auto* lines = qobject_cast<QPlainTextEdit*>(widget)) {
        if (deferredBox_ != lines)
            applyDeferredText();
        deferredBox_ = lines;
        deferredText_ = text;
    }
}

void QtToolkit::setVisible(Control picture, bool visible)
{
    if (QWidget* widget = control(picture))
        widget->setVisible(visible);
}

void QtToolkit::setTextColor(Control label, QRgb colour)
{
    QWidget* widget = control(label);
    if (!widget)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(colour));
    widget->setPalette(palette);
}

void QtToolkit::showWindow(WindowId id)
{
    applyDeferredText();
    QWidget* shown = window(id);
    if (!shown) {
        shown = create(id);
        if (!shown)
            return;
        windows_[slot(id)] = shown;
        wire(id, shown);
    }
    shown->show();
    shown->raise();
    shown->activateWindow();
}

void QtToolkit::closeWindow(WindowId id)
{
    applyDeferredText();
    if (QWidget* shown = window(id))
        shown->close();
}

void QtToolkit::endProgram()
{
    applyDeferredText();
    if (dispatcher_)
        dispatcher_->stop();
    for (const QPointer<QWidget>& window : windows_) {
        if (window)
            window->hide();
    }
    QCoreApplication::quit();
}

void QtToolkit::setStaysOnTop(WindowId id, bool onTop)
{
    QWidget* shown = window(id);
    if (!shown || !shown->windowHandle())
        return;
    // Setting the widget's flags would hide the window; the native window's
    // flags change in place.
    shown->windowHandle()->setFlag(Qt::WindowStaysOnTopHint, onTop);
}

std::uintptr_t QtToolkit::nativeHandle(WindowId id) const
{
    QWidget* shown = window(id);
    return shown ? std::uintptr_t(shown->winId()) : 0;
}

int QtToolkit::messageBox(const QString& text, int style, const QString& title)
{
    applyDeferredText();
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

void QtToolkit::setSaveDialogFilter(const QString& filter)
{
    if (auto* main = qobject_cast<Form1Window*>(window(WindowId::Form1)))
        main->saveDialog().setFileTypes(filter);
}

QString QtToolkit::showSaveDialog()
{
    applyDeferredText();
    auto* main = qobject_cast<Form1Window*>(window(WindowId::Form1));
    return main ? main->saveDialog().showSave() : QString();
}

void QtToolkit::processEvents()
{
    applyDeferredText();
    QCoreApplication::processEvents();
}
