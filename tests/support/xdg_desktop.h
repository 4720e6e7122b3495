#pragma once

#include "stoplight/binder.h"

#include <QTemporaryDir>
#include <QTest>

// A desktop of the test's own in temporary XDG folders, where a test
// registers a web browser that records each address it is given. The
// desktop's libraries read the folders once per process, so the first
// XdgDesktop fixes them and later ones reuse them; each starts with no
// browser registered and removes its own when it goes away.
class XdgDesktop {
public:
    XdgDesktop() : valid_(foldersMade() && handled_.isValid() && waitForHandler({})) {}
    ~XdgDesktop() { unregisterWebBrowser(); }

    // False when the folders could not be made, or when the desktop's
    // launcher does not see them (it read other folders before).
    bool isValid() const { return valid_; }

    // Registers the recording browser for http and https addresses and waits
    // until the desktop's launcher finds it.
    bool registerWebBrowser()
    {
        const QString script = handled_.filePath("browser");
        const QString id = handlerId();
        return write(script, "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + recordPath() + "'\n") &&
               QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) &&
               write(desktopFile(), "[Desktop Entry]\nType=Application\nName=Recording Browser\nExec=\"" + script +
                                        "\" %u\nMimeType=x-scheme-handler/http;x-scheme-handler/https;\n") &&
               write(mimeApps(),
                     "[Default Applications]\nx-scheme-handler/http=" + id + "\nx-scheme-handler/https=" + id + "\n") &&
               waitForHandler(id);
    }

    // Removes the browser and waits until the launcher no longer finds one.
    bool unregisterWebBrowser()
    {
        if (!QFile::exists(desktopFile()))
            return true;
        QFile::remove(mimeApps());
        return QFile::remove(desktopFile()) && waitForHandler({});
    }

    // The addresses the recording browser was given, in order.
    QStringList received() const
    {
        QFile record(recordPath());
        return record.open(QIODevice::ReadOnly)
                   ? QString::fromLocal8Bit(record.readAll()).split(u'\n', Qt::SkipEmptyParts)
                   : QStringList();
    }

private:
    static QString handlerId() { return "kestrine-recording-browser.desktop"; }
    static QString desktopFile() { return qEnvironmentVariable("XDG_DATA_HOME") + "/applications/" + handlerId(); }
    static QString mimeApps() { return qEnvironmentVariable("XDG_CONFIG_HOME") + "/mimeapps.list"; }
    QString recordPath() const { return handled_.filePath("received"); }

    // The folders, made and announced to the process once.
    static bool foldersMade()
    {
        static QTemporaryDir root(QDir::tempPath() + "/kestrine-xdg-XXXXXX");
        static const bool made = [] {
            const QString home = root.filePath("home");
            const QList<std::pair<const char*, QString>> folders = {{"HOME", home},
                                                                    {"XDG_DATA_HOME", home + "/.local/share"},
                                                                    {"XDG_CONFIG_HOME", home + "/.config"},
                                                                    {"XDG_CACHE_HOME", home + "/.cache"},
                                                                    {"XDG_DATA_DIRS", root.filePath("usr/share")},
                                                                    {"XDG_CONFIG_DIRS", root.filePath("etc/xdg")}};
            bool ok = root.isValid();
            for (const auto& [name, folder] : folders)
                ok = ok && QDir().mkpath(folder) && qputenv(name, folder.toLocal8Bit());
            // No session bus: nothing reaches the user's own session.
            return ok &&
                   qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(root.filePath("no-bus"))) &&
                   QDir().mkpath(home + "/.local/share/applications") &&
                   QDir().mkpath(root.filePath("usr/share/applications"));
        }();
        return made;
    }

    static bool write(const QString& path, const QString& content)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content.toLocal8Bit()) >= 0;
    }

    // The browser the desktop's launcher would start for the scheme, by its
    // desktop file's name; empty when there is none.
    static QString handlerFor(const char* scheme)
    {
        static stoplight::Function<void* (*)(const char*)> defaultFor{"g_app_info_get_default_for_uri_scheme",
                                                                      "libgio-2.0.so.0"};
        static stoplight::Function<const char* (*)(void*)> idOf{"g_app_info_get_id", "libgio-2.0.so.0"};
        static stoplight::Function<void (*)(void*)> unref{"g_object_unref", "libgobject-2.0.so.0"};
        if (!defaultFor.bind() || !idOf.bind() || !unref.bind())
            return "(the desktop's launcher cannot be loaded)";
        void* info = defaultFor.bind()(scheme);
        if (!info)
            return {};
        const char* id = idOf.bind()(info);
        const QString found = id ? QString::fromUtf8(id) : "(no id)";
        unref.bind()(info);
        return found;
    }

    // The launcher sees changed folders a moment after they change.
    static bool waitForHandler(const QString& id)
    {
        return QTest::qWaitFor([&] { return handlerFor("http") == id && handlerFor("https") == id; }, 10000);
    }

    QTemporaryDir handled_;
    bool valid_;
};
