#include "desktop.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>

using namespace desktop;

// The secondary windows and the Help menu in the real program, on a real
// desktop: opened from the menus, hovered and closed as a user would.
class TestEndToEndWindows : public QObject {
    Q_OBJECT

private slots:
    void linksTurnBlueOnScreen();
    void closingTheMainWindowKeepsTheProgramUntilTheLastWindow();
    void exitYesEndsEverything();
    void companionProgramStartsFromTheProgramsFolder();
    void missingCompanionProgramShowsNothing();
};

static QString waitForWindow(const QString& title)
{
    QString id;
    [&] { QTRY_VERIFY_WITH_TIMEOUT(!(id = findWindow(title)).isEmpty(), 10000); }();
    return id;
}

// Activates the window and presses the keys in it, one after the other.
static void press(const QString& window, const QStringList& keys)
{
    xdotool({"windowactivate", "--sync", window});
    [&] { QTRY_COMPARE_WITH_TIMEOUT(xdotool({"getactivewindow"}), window, 10000); }();
    xdotool(QStringList{"key", "--delay", "100"} + keys);
}

static QString contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// How many of a region's pixels on screen are the link highlight's blue.
static int bluePixels(const QString& window, const QRect& region)
{
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(window.toULongLong()).toImage();
    int count = 0;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            const QColor pixel = shot.pixelColor(x, y);
            count += pixel.blue() > 180 && pixel.red() < 90 && pixel.green() < 90;
        }
    }
    return count;
}

void TestEndToEndWindows::linksTurnBlueOnScreen()
{
    Program program;
    const QString main = waitForWindow("Orbeck Kestrine");
    press(main, {"alt+h", "w"});
    QCOMPARE(windowGeometry(waitForWindow("Web Master Resources")).topLeft(), QPoint(142, 217));
    press(main, {"alt+h", "a"});
    const QString about = waitForWindow("About this program");
    QCOMPARE(windowGeometry(about).topLeft(), QPoint(114, 234));

    const QRect label5(8 + 160, 104, 225, 17), label7(8 + 168, 144, 209, 17); // inside Frame1
    auto hover = [&](const QRect& label) {
        const QPoint at = QPoint(114, 234) + label.center();
        xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y())});
    };
    QCOMPARE(bluePixels(about, label5), 0);
    hover(label5);
    QTRY_VERIFY_WITH_TIMEOUT(bluePixels(about, label5) > 10, 10000);
    hover(label7);
    QTRY_VERIFY_WITH_TIMEOUT(bluePixels(about, label7) > 10, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(bluePixels(about, label5), 0, 10000);
}

void TestEndToEndWindows::closingTheMainWindowKeepsTheProgramUntilTheLastWindow()
{
    Program program;
    const QString main = waitForWindow("Orbeck Kestrine");
    press(main, {"alt+h", "a"});
    const QString about = waitForWindow("About this program");
    press(main, {"alt+F4"});
    QTRY_VERIFY_WITH_TIMEOUT(findWindow("Orbeck Kestrine").isEmpty(), 10000);
    QCOMPARE(program.process().state(), QProcess::Running);
    QCOMPARE(findWindow("About this program"), about);

    press(about, {"Return"}); // the focused OK button
    QVERIFY(program.process().waitForFinished(10000));
    QCOMPARE(program.process().exitStatus(), QProcess::NormalExit);
}

void TestEndToEndWindows::exitYesEndsEverything()
{
    Program program;
    const QString main = waitForWindow("Orbeck Kestrine");
    press(main, {"alt+h", "w"});
    waitForWindow("Web Master Resources");
    press(main, {"alt+h", "a"});
    waitForWindow("About this program");
    press(main, {"alt+f", "x"});
    press(waitForWindow("Confirm Exit"), {"Return"}); // Yes is the default button
    QVERIFY(program.process().waitForFinished(10000));
    QCOMPARE(program.process().exitCode(), 0);
}

void TestEndToEndWindows::companionProgramStartsFromTheProgramsFolder()
{
    QTemporaryDir root;
    const QString folder = root.filePath("with blanks 'and' \"quotes\"");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::copy(KESTRINE_EXECUTABLE, folder + "/kestrine"));
    QFile companion(folder + "/qorvel");
    QVERIFY(companion.open(QIODevice::WriteOnly));
    companion.write("#!/bin/sh\nprintf '%s|%s' \"$0\" \"$#\" > \"$QORVEL_MARKER\"\n");
    companion.close();
    companion.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QString marker = root.filePath("started");
    Program program(folder + "/kestrine", {"QORVEL_MARKER=" + marker});
    press(waitForWindow("Orbeck Kestrine"), {"alt+h", "t"});
    // Its own path, beside the program, and no arguments.
    QTRY_COMPARE_WITH_TIMEOUT(contents(marker), folder + "/qorvel|0", 10000);
}

void TestEndToEndWindows::missingCompanionProgramShowsNothing()
{
    Program program;
    const QString main = waitForWindow("Orbeck Kestrine");
    press(main, {"alt+h", "t", "alt+h", "h"});
    // The program goes on: How to answers, and it is the only new window.
    const QString howTo = waitForWindow("Kestrine");
    const QStringList windows =
        xdotool({"search", "--onlyvisible", "--pid", QString::number(program.process().processId()), "--name", "."})
            .split('\n', Qt::SkipEmptyParts);
    QCOMPARE(QSet<QString>(windows.begin(), windows.end()), (QSet<QString>{main, howTo}));
}

QTEST_MAIN(TestEndToEndWindows)
#include "tst_e2e_windows.moc"
