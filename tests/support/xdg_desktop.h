#pragma once

#include "stoplight/binder.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

// A desktop of the test's own in temporary XDG folders, without a session bus, where a web browser that records
// each http address it is given can be registered. One per process: its libraries read the folders once.
class XdgDesktop {
    QTemporaryDir root_{QDir::tempPath() + "/kestrine-xdg-XXXXXX"};
    const QString record_ = root_.filePath("received");

    bool made()
    {
        bool ok = root_.isValid();
        for (const char* name :
             {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_DIRS"})
            ok = ok && QDir().mkpath(root_.filePath(name) + "/applications") &&
                 qputenv(name, QFile::encodeName(root_.filePath(name)));
        return ok && qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(root_.filePath("no-bus")));
    }

    // The launcher sees changed folders a moment after they change.
    static bool waitForBrowser(bool registered)
    {
        static stoplight::Function<void* (*)(const char*)> handler{"g_app_info_get_default_for_uri_scheme",
                                                                   "libgio-2.0.so.0"};
        static stoplight::Function<void (*)(void*)> unref{"g_object_unref", "libgobject-2.0.so.0"};
        const auto found = [] {
            return std::unique_ptr<void, void (*)(void*)>(handler.bind()("http"), unref.bind()) != nullptr;
        };
        return handler.bind() && unref.bind() && QTest::qWaitFor([&] { return found() == registered; }, 10000);
    }

public:
    // False when the folders could not be made or the launcher reads others.
    const bool valid = made() && waitForBrowser(false);

    // Registers the browser with an empty record, or removes it; true once the launcher sees that.
    bool setWebBrowser(bool registered)
    {
        const QString entry = root_.filePath("XDG_DATA_HOME/applications/kestrine-browser.desktop");
        const QString defaults = root_.filePath("XDG_CONFIG_HOME/mimeapps.list");
        const auto write = [](const QString& path, const QString& content) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(content.toUtf8()) >= 0;
        };
        for (const QString& each : {entry, defaults, record_})
            QFile::remove(each);
        return (!registered ||
                (write(entry, "[Desktop Entry]\nType=Application\nName=Recording Browser\n"
                              "MimeType=x-scheme-handler/http;\nExec=sh -c 'echo \"$1\" >> \"" +
                                  record_ + "\"' sh %u\n") &&
                 write(defaults, "[Default Applications]\nx-scheme-handler/http=kestrine-browser.desktop\n"))) &&
               waitForBrowser(registered);
    }

    // The addresses the browser was given since it was registered, in order.
    QStringList received() const
    {
        QFile file(record_);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)
                                              : QStringList();
    }
};
