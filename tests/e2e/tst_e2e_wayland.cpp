#include "desktop.h"

#include <QRegularExpression>

using namespace desktop;

// The real program started as a Wayland desktop with Xwayland starts it: see with-wayland-desktop.sh.
class TestEndToEndWayland : public QObject {
    Q_OBJECT

private slots:
    void placedAndPinnedThroughXwayland()
    {
        QVERIFY(qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"));
        Program program;
        QString id;
        QTRY_VERIFY_WITH_TIMEOUT(!(id = findWindow("Orbeck Kestrine")).isEmpty(), kPatience);
        // The X window is the menu bar over the 362 x 299 client area, so measured from its bottom up.
        const QPoint client(113, 211);
        QTRY_COMPARE_WITH_TIMEOUT(windowGeometry(id).bottomLeft() + QPoint(0, 1 - 299), client, kPatience);
        const QRect placed = windowGeometry(id);
        QVERIFY2(placed.width() == 362 && placed.height() > 299, qPrintable(QDebug::toString(placed)));

        const auto above = [&] { return run("xprop", {"-id", id, "_NET_WM_STATE"}).contains("_NET_WM_STATE_ABOVE"); };
        QVERIFY(!above());
        // The pin on its side, then the pressed pin, far enough apart not to make a double click.
        for (const auto& [at, pinned] : {std::pair{QPoint(324, 276), true}, std::pair{QPoint(348, 291), false}}) {
            const QPoint on = client + at;
            xdotool({"mousemove", "--sync", QString::number(on.x()), QString::number(on.y()), "click", "1"});
            QTRY_COMPARE_WITH_TIMEOUT(above(), pinned, kPatience);
            QCOMPARE(windowGeometry(id), placed);
        }
    }

    void onWaylandWhenChosenOrWithoutX_data()
    {
        QTest::addColumn<QStringList>("start"); // an environment entry, then the arguments
        QTest::newRow("QT_QPA_PLATFORM=wayland") << QStringList{"QT_QPA_PLATFORM=wayland"};
        QTest::newRow("-platform wayland") << QStringList{"", "-platform", "wayland"};
        QTest::newRow("X display unreachable") << QStringList{"DISPLAY=:4242"};
    }

    void onWaylandWhenChosenOrWithoutX()
    {
        QFETCH(QStringList, start);
        QProcess program;
        program.setEnvironment(QProcess::systemEnvironment() << "WAYLAND_DEBUG=client" << start.first());
        program.start(KESTRINE_EXECUTABLE, start.mid(1));
        // In the log of requests sent: the titled toplevel surface committed with a buffer after its configure.
        const QRegularExpression mapped(R"((?s)get_xdg_surface\(new id xdg_surface@(\d+), wl_surface@(\d+)\).*)"
                                        R"(set_title\("Orbeck Kestrine"\).*xdg_surface@\1\.ack_configure.*)"
                                        R"(-> wl_surface@\2\.attach\(wl_buffer@.*-> wl_surface@\2\.commit\(\))");
        QString log;
        QTRY_VERIFY_WITH_TIMEOUT(mapped.match(log += program.readAllStandardError()).hasMatch(), kPatience);
        QCOMPARE(program.state(), QProcess::Running);
        QVERIFY(findWindow("Orbeck Kestrine").isEmpty());
        program.kill();
        QVERIFY(program.waitForFinished(kPatience));
    }
};

QTEST_GUILESS_MAIN(TestEndToEndWayland)
#include "tst_e2e_wayland.moc"
