#include "forms/design.h"

#include "forms/control_factory.h"
#include "forms/controls/accessible_controls.h"
#include "forms/controls/click_target.h"
#include "forms/controls/toggle_pair.h"
#include "forms/design_font.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QSvgRenderer>
#include <QTextDocument>
#include <algorithm>
#include <map>
#include <ranges>
#include <string_view>
#include <vector>

namespace design {

namespace {

bool takesFocus(Kind kind)
{
    return kind == Kind::Panel || kind == Kind::TextBox || kind == Kind::MultiLineTextBox || kind == Kind::Button;
}

QRect geometryOf(const ControlSpec& spec)
{
    // A line of no height is still drawn one pixel thick.
    const int height = spec.kind == Kind::Line ? std::max(1, px(spec.height)) : px(spec.height);
    return QRect(px(spec.left), px(spec.top), px(spec.width), height);
}

// The two pictures of a container that make one toggle.
void pairToggles(QWidget* container, const std::vector<std::pair<const ControlSpec*, QWidget*>>& created)
{
    std::vector<ClickTarget*> toggles;
    for (auto [spec, widget] : created) {
        if (spec->options & Toggle)
            toggles.push_back(static_cast<ClickTarget*>(widget));
    }
    if (toggles.size() == 2)
        new TogglePair(toggles[0], toggles[1], container);
}

void build(QWidget* parent, Control container, std::span<const ControlSpec> controls, std::map<int, QWidget*>& byTab)
{
    std::vector<std::pair<const ControlSpec*, QWidget*>> created;
    QWidget* behind = nullptr;
    for (const ControlSpec& spec : controls | std::views::reverse) {
        if (spec.container != container)
            continue;
        QWidget* widget = makeControl(spec, parent, behind);
        behind = widget;
        widget->setObjectName(spec.control.objectName());
        widget->setFont(designFont());
        widget->setGeometry(geometryOf(spec));
        widget->setAttribute(Qt::WA_NoMousePropagation);
        if (spec.options & UpArrow)
            widget->setCursor(Qt::UpArrowCursor);
        if (spec.options & Hidden)
            widget->hide();
        if (!spec.accessibleName.isEmpty())
            widget->setAccessibleName(spec.accessibleName);
        if (takesFocus(spec.kind) && spec.tab != NoTab)
            byTab[spec.tab] = widget;
        created.emplace_back(&spec, widget);
    }
    pairToggles(parent, created);
    for (auto [spec, widget] : created)
        build(widget, spec->control, controls, byTab);
}

QString accessibleName(const QString& caption)
{
    qsizetype end = caption.size();
    while (end > 0 && (caption[end - 1].isSpace() || caption[end - 1] == u':'))
        --end;
    return caption.left(end);
}

void nameByLabels(QWidget* client, std::span<const ControlSpec> controls, std::span<const NamedBy> names)
{
    for (const NamedBy& name : names) {
        const auto label = std::ranges::find(controls, name.label, &ControlSpec::control);
        auto* control = client->findChild<QWidget*>(name.control.objectName());
        if (label != controls.end() && control)
            control->setAccessibleName(accessibleName(label->text));
    }
}

} // namespace

void buildControls(QWidget* client, std::span<const ControlSpec> controls, std::span<const NamedBy> names)
{
    if (controls.empty())
        return;
    std::map<int, QWidget*> byTab;
    build(client, Control{controls.front().control.window, kWindowItself}, controls, byTab);
    nameByLabels(client, controls, names);
    QWidget* previous = nullptr;
    for (auto [tab, widget] : byTab) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    if (!byTab.empty())
        byTab.begin()->second->setFocus();
}

void applyWindowDesign(QWidget* window, const WindowSpec& spec)
{
    presentControlsToAssistiveTechnology();
    window->setObjectName(objectName(windowName(spec.window)));
    window->setWindowTitle(spec.caption);
    window->setWindowIcon(QIcon(QLatin1StringView(spec.icon)));
    // A fixed frame: no sizing border (which Windows gives only the dialog
    // frame) and no minimize or maximize box.
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
}

void placeClientArea(QWidget* window, const WindowSpec& spec)
{
    window->setFixedSize(px(spec.width), px(spec.height));
    window->setGeometry(px(spec.left), px(spec.top), px(spec.width), px(spec.height));
}

QString multiLineText(const QPlainTextEdit* box)
{
    // The raw text keeps every character as typed (no-break spaces included);
    // only the separators between lines are written the platform's way.
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1StringView("\r\n"));
    text.replace(QChar::LineSeparator, QLatin1StringView("\r\n"));
    return text;
}

void setMultiLineText(QPlainTextEdit* box, const QString& text)
{
    QString lines = text;
    lines.replace(QLatin1StringView("\r\n"), QLatin1StringView("\n"));
    box->setPlainText(lines);
}

QPixmap picture(const QString& resource)
{
    QSvgRenderer renderer(resource);
    const QSize size = renderer.defaultSize();
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

} // namespace design
