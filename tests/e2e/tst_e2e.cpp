#include "compose/composer.h"
#include "design_place.h"
#include "desktop.h"
#include "forms/Form1/form1_controls.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace desktop;

namespace {

// Pastes into the focused box and waits until the box holds the text: copied
// back from it, the text returns whole.
void paste(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    xdotool({"key", "--delay", "50", "ctrl+v", "ctrl+a", "ctrl+c"});
    // The program asks for the text while this process waits here; once it
    // has copied, the clipboard is its own.
    [&] {
        QTRY_VERIFY_WITH_TIMEOUT(!clipboard->ownsClipboard(), kPatience);
        QTRY_COMPARE_WITH_TIMEOUT(clipboard->text(), text, kPatience);
    }();
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The real program in real windows, managed by a real window manager, driven
// by the keyboard, the mouse and the clipboard as a user drives it.
class TestEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void placedAndPinnedAsTheWindowManagerSeesIt()
    {
        Program program;
        const QString id = waitForWindow("Orbeck Kestrine");
        const auto state = [&] { return run("xprop", {"-id", id, "WM_STATE", "_NET_WM_STATE"}); };
        QTRY_VERIFY_WITH_TIMEOUT(state().contains("Normal"), kPatience);
        // The client area at its designed place under the menu bar.
        const QRect area = designedClientArea(WindowId::Form1);
        const QPoint client = area.topLeft();
        QTRY_COMPARE_WITH_TIMEOUT(windowGeometry(id).bottomLeft() + QPoint(0, 1 - area.height()), client, kPatience);
        const QRect placed = windowGeometry(id);
        QCOMPARE(placed.width(), area.width());
        const QString actions = run("xprop", {"-id", id, "_NET_WM_ALLOWED_ACTIONS"});
        QVERIFY2(!actions.contains("MAXIMIZE") && !actions.contains("RESIZE"), qPrintable(actions));
        // Docks and window switchers find the desktop entry by the window's class.
        const QString windowClass = run("xprop", {"-id", id, "WM_CLASS"}).section(u'"', 3, 3);
        QVERIFY2(contents(KESTRINE_DESKTOP_ENTRY).contains("\nStartupWMClass=" + windowClass.toUtf8() + '\n'),
                 qPrintable(windowClass));

        const auto click = [&](QPoint inClient) { clickAt(client + inClient); };
        QVERIFY(!state().contains("_NET_WM_STATE_ABOVE"));
        click(designedRect(Form1::Image2).topLeft() + QPoint(4, 4)); // the pin lying on its side
        QTRY_VERIFY_WITH_TIMEOUT(state().contains("_NET_WM_STATE_ABOVE"), kPatience);
        // A window the program opens while pinned comes up in front, with the keyboard.
        press(id, {"alt+h", "w"});
        const QString resources = waitForWindow("Web Master Resources");
        const auto stacking = [] { return run("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"}); };
        const auto hex = [](const QString& window) { return "0x" + QString::number(window.toUInt(), 16); };
        QTRY_VERIFY_WITH_TIMEOUT(stacking().indexOf(hex(resources)) > stacking().indexOf(hex(id)), kPatience);
        QTRY_COMPARE_WITH_TIMEOUT(xdotool({"getactivewindow"}), resources, kPatience);
        // The pressed pin, clicked far enough from the first click to make no
        // double click of the two: no window of the program stays above others.
        click(designedRect(Form1::Image1).bottomRight() - QPoint(4, 4));
        QTRY_VERIFY_WITH_TIMEOUT(!state().contains("_NET_WM_STATE_ABOVE"), kPatience);
        QVERIFY(!run("xprop", {"-id", resources, "_NET_WM_STATE"}).contains("_NET_WM_STATE_ABOVE"));
        QCOMPARE(windowGeometry(id), placed);

        press(resources, {"Return"});
        // Closed through the window manager, as its frame's close button does: nothing is asked.
        run("wmctrl", {"-i", "-c", id});
        QVERIFY(program.waitForFinished(kPatience));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    }

    void pasteBuildAndSave_data()
    {
        QTest::addColumn<QStringList>("fields");
        QString million(1000000, u'x');
        for (qsizetype i = 7; i < million.size(); i += 8)
            million[i] = u' ';
        QTest::newRow("a million characters each")
            << QStringList{million, QString(million).replace(u'x', u'y'), QString(million).replace(u'x', u'z')};
        QTest::newRow("control characters and NUL") << QStringList{
            QString::fromUtf16(u"a\u0001b\u0007"), QString::fromUtf16(u"d\u001be\tf"), QString::fromUtf16(u"g\0h", 3)};
        QTest::newRow("right-to-left and non-Latin") << QStringList{"שלום עולם", "مرحبا بالعالم", "日本語, Ελληνικά"};
    }

    void pasteBuildAndSave()
    {
        QFETCH(QStringList, fields);
        QTemporaryDir home;
        // Qt's own dialog reads double quotes as separators of several names, so
        // the awkward name has single ones.
        const QString path = home.filePath("my 'tags' é file");
        Program program({"HOME=" + home.path()});
        press(waitForWindow("Orbeck Kestrine"), {"Tab", "Tab"}); // from the bottom strip to the name box
        for (const QString& field : fields) {
            paste(field);
            xdotool({"key", "Tab"});
        }
        xdotool({"key", "ctrl+b", "ctrl+s"});
        waitForWindow("Save as");
        paste(path);
        xdotool({"key", "Return"});

        // Moved into place whole: the file exists only once complete.
        const QByteArray expected = compose::metaTags(fields[0], fields[1], fields[2]).toUtf8() + "\r\n";
        QTRY_COMPARE_WITH_TIMEOUT(QDir(home.path()).entryList(QDir::Files), QStringList{QFileInfo(path).fileName()},
                                  kPatience);
        const QByteArray saved = contents(path);
        QVERIFY2(saved == expected, saved.left(300).toPercentEncoding(" <>\"=/").constData());
        QCOMPARE(program.state(), QProcess::Running);
    }

    void companionProgramStartsBesideTheProgramAndExitEndsIt()
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
        Program program({"QORVEL_MARKER=" + marker}, folder + "/kestrine");
        const QString main = waitForWindow("Orbeck Kestrine");
        press(main, {"alt+h", "t"});
        // Its own path, beside the program, and no arguments.
        QTRY_COMPARE_WITH_TIMEOUT(contents(marker), (folder + "/qorvel|0").toLocal8Bit(), kPatience);
        // File, Exit, with About open: Yes, the default button, ends the program.
        press(main, {"alt+h", "a"});
        waitForWindow("About this program");
        press(main, {"alt+f", "x"});
        press(waitForWindow("Confirm Exit"), {"Return"});
        QVERIFY(program.waitForFinished(kPatience));
        QCOMPARE(program.exitCode(), 0);
    }

    void startUpMessagesReachStandardError()
    {
        // Qt warns, while the application is built, of a runtime folder that
        // others may read, and names it.
        QTemporaryDir runtime;
        QVERIFY(QFile::setPermissions(runtime.path(), QFile::permissions(runtime.path()) | QFile::ReadOther));
        Program program({"XDG_RUNTIME_DIR=" + runtime.path()}, KESTRINE_EXECUTABLE, QProcess::SeparateChannels);
        waitForWindow("Orbeck Kestrine");
        QByteArray errors;
        QTRY_VERIFY2_WITH_TIMEOUT((errors += program.readAllStandardError()).contains(runtime.path().toLocal8Bit()),
                                  errors.constData(), kPatience);
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
