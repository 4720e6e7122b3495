#pragma once

#include <QClipboard>
#include <QGuiApplication>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTest>

// The real program on the test's X display, seen and driven through the
// window manager as a user would. Every wait is for its condition, up to
// a generous bound.
namespace desktop {

inline constexpr int kPatience = 30000;

// Runs a helper program to its end and returns what it printed.
inline QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(kPatience))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

inline QString xdotool(const QStringList& arguments)
{
    return run(QStringLiteral("xdotool"), arguments);
}

// The visible window with exactly this title, or an empty string.
inline QString findWindow(const QString& title)
{
    return xdotool({"search", "--onlyvisible", "--name", u'^' + title + u'$'}).section('\n', 0, 0);
}

// The window's inner area (without the frame) on the screen.
inline QRect windowGeometry(const QString& id)
{
    const QString info = run(QStringLiteral("xwininfo"), {"-id", id});
    auto field = [&](const char* label) {
        const qsizetype at = info.indexOf(QLatin1StringView(label));
        return at < 0 ? -1 : info.mid(at + qstrlen(label)).section('\n', 0, 0).trimmed().toInt();
    };
    return QRect(field("Absolute upper-left X:"), field("Absolute upper-left Y:"), field("Width:"), field("Height:"));
}

inline QString waitForWindow(const QString& title)
{
    QString id;
    [&] { QTRY_VERIFY_WITH_TIMEOUT(!(id = findWindow(title)).isEmpty(), kPatience); }();
    return id;
}

// Activates the window, once the window manager has it.
inline void activate(const QString& window)
{
    // Asked again until it holds: the window manager may take it over only now.
    QTRY_COMPARE_WITH_TIMEOUT((xdotool({"windowactivate", window}), xdotool({"getactivewindow"})), window, kPatience);
}

// Activates the window and presses the keys.
inline void press(const QString& window, const QStringList& keys)
{
    activate(window);
    xdotool(QStringList{"key", "--delay", "100"} + keys);
}

// Moves the pointer to the point on the screen and clicks there.
inline void clickAt(QPoint at)
{
    xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click", "1"});
}

// The program, started as a user starts it; stopped when this goes away.
class Program : public QProcess {
public:
    explicit Program(const QStringList& env = {}, const QString& path = QStringLiteral(KESTRINE_EXECUTABLE),
                     ProcessChannelMode channels = ForwardedErrorChannel)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString& each : env)
            environment.insert(each.section('=', 0, 0), each.section('=', 1));
        setProcessEnvironment(environment);
        setProcessChannelMode(channels);
        start(path, {});
    }
    ~Program() override
    {
        kill();
        waitForFinished(kPatience);
    }
};

} // namespace desktop
