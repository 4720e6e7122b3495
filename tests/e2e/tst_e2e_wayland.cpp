#include "desktop.h"

#include <QRegularExpression>

using namespace desktop;

// The real program started as a Wayland desktop with Xwayland starts it
// (tests/e2e/with-wayland-desktop.sh): WAYLAND_DISPLAY, DISPLAY and
// XDG_SESSION_TYPE=wayland set, no platform named.
class TestEndToEndWayland : public QObject {
    Q_OBJECT

private slots:
    void placedAndPinnedThroughXwayland();
    void onWaylandWhenChosenOrWithoutX_data();
    void onWaylandWhenChosenOrWithoutX();
};

void TestEndToEndWayland::placedAndPinnedThroughXwayland()
{
    QVERIFY(qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && qEnvironmentVariableIsSet("DISPLAY"));
    QVERIFY(qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"));
    Program program;
    QString id;
    QTRY_VERIFY_WITH_TIMEOUT(!(id = findWindow("Orbeck Kestrine")).isEmpty(), 20000);

    // The X window is the menu bar over the client area, whose size is fixed
    // at 362 x 299, so the client area's top-left corner is the window's
    // bottom-left corner 299 pixels up.
    const QPoint client(113, 211);
    QTRY_COMPARE_WITH_TIMEOUT(windowGeometry(id).bottomLeft() + QPoint(0, 1 - 299), client, 20000);
    const QRect placed = windowGeometry(id);
    QVERIFY2(placed.width() == 362 && placed.height() > 299,
             qPrintable(QString("%1 x %2").arg(placed.width()).arg(placed.height())));

    const auto above = [&] { return run("xprop", {"-id", id, "_NET_WM_STATE"}).contains("_NET_WM_STATE_ABOVE"); };
    const auto click = [&](QPoint inClient) {
        const QPoint at = client + inClient;
        xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click", "1"});
    };
    QVERIFY(!above());
    click({324, 276}); // the pin lying on its side, (320, 272) to (350, 292)
    QTRY_VERIFY_WITH_TIMEOUT(above(), 20000);
    QCOMPARE(windowGeometry(id), placed);
    // The pressed pin, (328, 272) to (353, 295), clicked far enough from the
    // first click that the two do not make a double click.
    click({348, 291});
    QTRY_VERIFY_WITH_TIMEOUT(!above(), 20000);
    QCOMPARE(windowGeometry(id), placed);
}

void TestEndToEndWayland::onWaylandWhenChosenOrWithoutX_data()
{
    QTest::addColumn<QString>("environment");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("QT_QPA_PLATFORM=wayland") << "QT_QPA_PLATFORM=wayland" << QStringList();
    QTest::newRow("-platform wayland") << "" << QStringList{"-platform", "wayland"};
    QTest::newRow("X display unreachable") << "DISPLAY=:4242" << QStringList();
}

void TestEndToEndWayland::onWaylandWhenChosenOrWithoutX()
{
    QFETCH(QString, environment);
    QFETCH(QStringList, arguments);
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!environment.isEmpty())
        env.insert(environment.section('=', 0, 0), environment.section('=', 1));
    // The Wayland library logs every request the program sends the compositor.
    env.insert("WAYLAND_DEBUG", "client");
    program.setProcessEnvironment(env);
    program.start(KESTRINE_EXECUTABLE, arguments);

    // Mapped: the main window's surface, given the toplevel role and titled,
    // gets a buffer and is committed once its first configure is acknowledged.
    const QRegularExpression mapped(R"(get_xdg_surface\(new id xdg_surface@(\d+), wl_surface@(\d+)\).*)"
                                    R"(set_title\("Orbeck Kestrine"\).*xdg_surface@\1\.ack_configure.*)"
                                    R"(-> wl_surface@\2\.attach\(wl_buffer@.*-> wl_surface@\2\.commit\(\))",
                                    QRegularExpression::DotMatchesEverythingOption);
    QByteArray log;
    QTRY_VERIFY_WITH_TIMEOUT(mapped.match(QString::fromUtf8(log += program.readAllStandardError())).hasMatch(), 20000);
    QCOMPARE(program.state(), QProcess::Running);
    QVERIFY(findWindow("Orbeck Kestrine").isEmpty());
    program.kill();
    QVERIFY(program.waitForFinished(20000));
}

QTEST_GUILESS_MAIN(TestEndToEndWayland)
#include "tst_e2e_wayland.moc"
