#include "desktop.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace desktop;

// The real program: typed into as a user types, Build by its shortcut, the
// result read back the way a user takes it away, through the clipboard.
class TestEndToEndBuild : public QObject {
    Q_OBJECT

private slots:
    void mainWindowAsTheWindowManagerSeesIt();
    void typeBuildAndCopy();
};

void TestEndToEndBuild::mainWindowAsTheWindowManagerSeesIt()
{
    Program program;
    QString id;
    QTRY_VERIFY_WITH_TIMEOUT(!(id = findWindow("Orbeck Kestrine")).isEmpty(), 10000);

    // The designed client area starts at (113, 211) under the menu bar.
    const QRect inner = windowGeometry(id);
    QCOMPARE(inner.width(), 362);
    QCOMPARE(inner.left(), 113);
    QCOMPARE(inner.bottom() + 1, 211 + 299);

    const QString hints = run("xprop", {"-id", id, "WM_NORMAL_HINTS", "_NET_WM_ALLOWED_ACTIONS"});
    QVERIFY2(hints.contains("program specified minimum size: 362 by"), qPrintable(hints));
    QVERIFY2(!hints.contains("_NET_WM_ACTION_MAXIMIZE"), qPrintable(hints));
    QVERIFY2(!hints.contains("_NET_WM_ACTION_RESIZE"), qPrintable(hints));

    // Closed through the frame, as the window manager closes it.
    QTRY_COMPARE_WITH_TIMEOUT(xdotool({"getactivewindow"}), id, 10000);
    xdotool({"key", "alt+F4"});
    QVERIFY(program.process().waitForFinished(10000));
    QCOMPARE(program.process().exitStatus(), QProcess::NormalExit);
}

void TestEndToEndBuild::typeBuildAndCopy()
{
    Program program;
    QString id;
    QTRY_VERIFY_WITH_TIMEOUT(!(id = findWindow("Orbeck Kestrine")).isEmpty(), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(xdotool({"getactivewindow"}), id, 10000);

    // The focus starts on the bottom strip; two tabs reach the name box.
    xdotool({"key", "--delay", "50", "Tab", "Tab"});
    xdotool({"type", "--delay", "20", "Acme <Tools>"});
    xdotool({"key", "Tab"});
    xdotool({"type", "--delay", "20", "Hand \"tools\" & more"});
    xdotool({"key", "Tab"});
    xdotool({"type", "--delay", "20", "hammer, saw"});
    xdotool({"key", "ctrl+b"});
    xdotool({"key", "--delay", "50", "Tab", "ctrl+a", "ctrl+c"});

    const QString expected = "<TITLE>Acme &lt;Tools></TITLE>"
                             "<meta name=\"description\" content=\"Hand &quot;tools&quot; & more\">"
                             "<meta name=\"keywords\" content=\"hammer, saw\">";
    QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(), expected, 10000);
}

QTEST_MAIN(TestEndToEndBuild)
#include "tst_e2e_build.moc"
