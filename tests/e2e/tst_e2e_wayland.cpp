#include "desktop.h"

#include <QRegularExpression>

using namespace desktop;

// The real program started as a Wayland desktop with Xwayland starts it (see
// with-wayland-desktop.sh): on X wherever an X display is named, unless a
// platform is chosen.
class TestEndToEndWayland : public QObject {
    Q_OBJECT

private slots:
    void platformChosen_data()
    {
        QTest::addColumn<QStringList>("start"); // an environment entry, then the arguments
        QTest::addColumn<bool>("onX");
        // On X the window takes its designed place and can be pinned above the
        // others, as the end-to-end test on X checks.
        QTest::newRow("X display named") << QStringList{""} << true;
        QTest::newRow("QT_QPA_PLATFORM=wayland") << QStringList{"QT_QPA_PLATFORM=wayland"} << false;
        QTest::newRow("-platform wayland") << QStringList{"", "-platform", "wayland"} << false;
        QTest::newRow("X display unreachable") << QStringList{"DISPLAY=:4242"} << false;
    }

    void platformChosen()
    {
        QFETCH(QStringList, start);
        QFETCH(bool, onX);
        QVERIFY(qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"));
        QProcess program;
        program.setEnvironment(QProcess::systemEnvironment() << "WAYLAND_DEBUG=client" << start.first());
        program.start(KESTRINE_EXECUTABLE, start.mid(1));
        // In the log of requests sent: the titled toplevel surface committed with a buffer after its configure.
        const QRegularExpression mapped(R"((?s)get_xdg_surface\(new id xdg_surface@(\d+), wl_surface@(\d+)\).*)"
                                        R"(set_title\("Orbeck Kestrine"\).*xdg_surface@\1\.ack_configure.*)"
                                        R"(-> wl_surface@\2\.attach\(wl_buffer@.*-> wl_surface@\2\.commit\(\))");
        QString log;
        if (onX)
            QTRY_VERIFY_WITH_TIMEOUT(!findWindow("Orbeck Kestrine").isEmpty(), kPatience);
        else
            QTRY_VERIFY_WITH_TIMEOUT(mapped.match(log += program.readAllStandardError()).hasMatch(), kPatience);
        QCOMPARE(program.state(), QProcess::Running);
        QCOMPARE(findWindow("Orbeck Kestrine").isEmpty(), !onX);
        program.kill();
        QVERIFY(program.waitForFinished(kPatience));
    }
};

QTEST_GUILESS_MAIN(TestEndToEndWayland)
#include "tst_e2e_wayland.moc"
