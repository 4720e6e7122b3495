#include "forms/click_target.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace {

// What assistive technology is told of a click target, and the one action it
// may take on it.
class ClickTargetAccessible : public QAccessibleWidget {
public:
    explicit ClickTargetAccessible(ClickTarget* target)
        : QAccessibleWidget(target, target->presentation() == ClickTarget::Presentation::Link ? QAccessible::Link
                                                                                              : QAccessible::CheckBox)
    {
    }

    QString text(QAccessible::Text which) const override
    {
        QString text = QAccessibleWidget::text(which);
        if (which == QAccessible::Name && text.isEmpty())
            text = target()->text();
        return text;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (target()->presentation() == ClickTarget::Presentation::Link) {
            state.linked = true;
        } else {
            state.checkable = true;
            state.checked = target()->isChecked();
        }
        return state;
    }

    QStringList actionNames() const override { return {action()}; }

    void doAction(const QString& name) override
    {
        if (name == action())
            emit target()->clicked();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    ClickTarget* target() const { return static_cast<ClickTarget*>(widget()); }
    QString action() const
    {
        return target()->presentation() == ClickTarget::Presentation::Link ? pressAction() : toggleAction();
    }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    if (className != QLatin1StringView(ClickTarget::staticMetaObject.className()))
        return nullptr;
    return new ClickTargetAccessible(static_cast<ClickTarget*>(object));
}

} // namespace

ClickTarget::ClickTarget(Presentation presentation, bool checked, QWidget* parent)
    // Qt keeps the first accessible interface that anything asks for, which
    // can happen as soon as the widget has a parent: it joins it only once it
    // is a click target.
    : QLabel(nullptr), presentation_(presentation), checked_(checked)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleFor), true);
    Q_UNUSED(factoryInstalled);
    setParent(parent);
}

void ClickTarget::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void ClickTarget::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}
