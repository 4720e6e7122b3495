#pragma once

// Before Qt's headers: GLib's names a member `signals`, a word Qt takes.
#include "desktop.h"

#include <QList>
#include <QRect>
#include <QString>
#include <atspi/atspi.h>
#include <functional>
#include <memory>

// What a screen reader hears on the desktop's accessibility bus: the events
// of focus, of a check box turning and of a window coming to the front, each
// with the object it names as that object was at that moment.
namespace desktop {

using Object = std::shared_ptr<AtspiAccessible>;

struct Heard {
    QString type; // as AT-SPI names it, "object:state-changed:focused"
    int value;    // the event's first detail: 1 gained, 0 lost
    QString path; // the object's path on the bus, the same for the same object
    QString name;
    AtspiRole role;
    bool checked;
    Object object; // to ask it more
};

class ScreenReader {
public:
    ScreenReader()
    {
        atspi_init();
        for (const char* type : kEvents)
            atspi_event_listener_register(listener_.get(), type, nullptr);
    }
    ~ScreenReader()
    {
        for (const char* type : kEvents)
            atspi_event_listener_deregister(listener_.get(), type, nullptr);
    }

    const QList<Heard>& heard() const { return heard_; }

    // The first event from `from` on that matches, waited for; -1 if none came.
    qsizetype await(const std::function<bool(const Heard&)>& match, qsizetype from = 0) const
    {
        qsizetype found = -1;
        const auto look = [&] {
            for (qsizetype i = from; found < 0 && i < heard_.size(); ++i)
                found = match(heard_[i]) ? i : -1;
            return found >= 0;
        };
        [&] { QTRY_VERIFY_WITH_TIMEOUT(look(), kPatience); }();
        return found;
    }

private:
    static constexpr const char* kEvents[] = {"object:state-changed:focused", "object:state-changed:checked",
                                              "window:activate"};
    static void hear(AtspiEvent* event, void* self)
    {
        auto* reader = static_cast<ScreenReader*>(self);
        AtspiAccessible* source = event->source;
        gchar* name = atspi_accessible_get_name(source, nullptr);
        AtspiStateSet* states = atspi_accessible_get_state_set(source);
        reader->heard_.append(Heard{QString::fromUtf8(event->type), event->detail1,
                                    QString::fromUtf8(ATSPI_OBJECT(source)->path), QString::fromUtf8(name),
                                    atspi_accessible_get_role(source, nullptr),
                                    bool(atspi_state_set_contains(states, ATSPI_STATE_CHECKED)),
                                    Object(static_cast<AtspiAccessible*>(g_object_ref(source)), g_object_unref)});
        g_object_unref(states);
        g_free(name);
        g_boxed_free(ATSPI_TYPE_EVENT, event);
    }

    std::unique_ptr<AtspiEventListener, decltype(&g_object_unref)> listener_{
        atspi_event_listener_new(&ScreenReader::hear, this, nullptr), g_object_unref};
    QList<Heard> heard_;
};

// Where the object is on the screen, as a screen reader finds it to click it.
inline QRect extents(AtspiAccessible* object)
{
    AtspiComponent* component = atspi_accessible_get_component_iface(object);
    if (!component)
        return {};
    AtspiRect* rect = atspi_component_get_extents(component, ATSPI_COORD_TYPE_SCREEN, nullptr);
    const QRect extents = rect ? QRect(rect->x, rect->y, rect->width, rect->height) : QRect();
    g_free(rect);
    g_object_unref(component);
    return extents;
}

// The first object below `root` of this role and name, or null.
inline Object findObject(AtspiAccessible* root, AtspiRole role, const QString& name)
{
    const int count = atspi_accessible_get_child_count(root, nullptr);
    for (int i = 0; i < count; ++i) {
        Object child(atspi_accessible_get_child_at_index(root, i, nullptr), g_object_unref);
        if (!child)
            continue;
        gchar* childName = atspi_accessible_get_name(child.get(), nullptr);
        const bool found =
            atspi_accessible_get_role(child.get(), nullptr) == role && QString::fromUtf8(childName) == name;
        g_free(childName);
        if (found)
            return child;
        if (auto below = findObject(child.get(), role, name))
            return below;
    }
    return nullptr;
}

} // namespace desktop
