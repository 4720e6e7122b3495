#include "forms/controls/accessible_controls.h"

#include "forms/controls/click_target.h"
#include "forms/controls/design_panel.h"
#include "forms/controls/toggle_pair.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QWindow>
#include <utility>

namespace {

// A label or picture that opens an address or a window when clicked, and
// its one action. Pictures that take turns as a toggle are presented by
// their toggle instead.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(ClickTarget* target) : QAccessibleWidget(target, QAccessible::Link) {}

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
        state.linked = true;
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& name) override
    {
        if (name == pressAction())
            emit target()->clicked();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    ClickTarget* target() const { return static_cast<ClickTarget*>(widget()); }
};

// Two pictures taking turns as one check box: the same object whichever
// picture shows, so that a screen reader keeps it in view after any number
// of turns.
class ToggleAccessible : public QAccessibleObject, public QAccessibleActionInterface {
public:
    explicit ToggleAccessible(TogglePair* pair) : QAccessibleObject(pair) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QWindow* window() const override { return container()->window()->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(container()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::CheckBox; }

    QString text(QAccessible::Text which) const override
    {
        const ClickTarget* picture = pair()->showing();
        return which == QAccessible::Name && picture ? picture->accessibleName() : QString();
    }

    QRect rect() const override
    {
        const ClickTarget* picture = pair()->showing();
        return picture ? QRect(picture->mapToGlobal(QPoint(0, 0)), picture->size()) : QRect();
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.checkable = true;
        state.checked = pair()->isChecked();
        state.focusable = container()->focusPolicy() & Qt::TabFocus;
        state.focused = container()->hasFocus();
        state.invisible = !pair()->showing() || !container()->isVisible();
        return state;
    }

    QStringList actionNames() const override { return {toggleAction()}; }

    void doAction(const QString& name) override
    {
        if (name == toggleAction())
            pair()->click();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    TogglePair* pair() const { return static_cast<TogglePair*>(object()); }
    QWidget* container() const { return static_cast<QWidget*>(pair()->parent()); }
};

// A panel, named for what it holds; its toggle's two pictures are one child.
class PanelAccessible : public QAccessibleWidget {
public:
    explicit PanelAccessible(DesignPanel* panel) : QAccessibleWidget(panel, QAccessible::Grouping) {}

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface* child(int index) const override { return children().value(index); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return int(children().indexOf(const_cast<QAccessibleInterface*>(child)));
    }

    // The focus it has is its toggle's, where it holds one.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focused = state.focused && !panel()->toggle();
        return state;
    }

    QAccessibleInterface* focusChild() const override
    {
        TogglePair* pair = panel()->toggle();
        return pair && panel()->hasFocus() ? QAccessible::queryAccessibleInterface(pair) : nullptr;
    }

private:
    DesignPanel* panel() const { return static_cast<DesignPanel*>(widget()); }

    QList<QAccessibleInterface*> children() const
    {
        TogglePair* pair = panel()->toggle();
        QList<QAccessibleInterface*> children;
        bool toggleListed = false;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface* each = QAccessibleWidget::child(i);
            if (!pair || !pair->holds(each->object()))
                children << each;
            else if (!std::exchange(toggleListed, true))
                children << QAccessible::queryAccessibleInterface(pair);
        }
        return children;
    }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1StringView(ClickTarget::staticMetaObject.className())) {
        auto* target = static_cast<ClickTarget*>(object);
        return target->presentation() == ClickTarget::Presentation::Link ? new LinkAccessible(target) : nullptr;
    }
    if (className == QLatin1StringView(TogglePair::staticMetaObject.className()))
        return new ToggleAccessible(static_cast<TogglePair*>(object));
    if (className == QLatin1StringView(DesignPanel::staticMetaObject.className()))
        return new PanelAccessible(static_cast<DesignPanel*>(object));
    if (className == QLatin1StringView("QFrame")) {
        auto* frame = static_cast<QFrame*>(object);
        if (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine)
            return new QAccessibleWidget(frame, QAccessible::Separator);
    }
    // A window made of a plain widget is a window to a screen reader too, with
    // its caption as its name, as a main window or a dialog is.
    if (className == QLatin1StringView("QWidget") && static_cast<QWidget*>(object)->isWindow())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void presentControlsToAssistiveTechnology()
{
    static const bool installed = (QAccessible::installFactory(accessibleFor), true);
    Q_UNUSED(installed);
}
