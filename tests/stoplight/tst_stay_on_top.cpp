#include "app_fixture.h"
#include "desktop.h"
#include "stoplight/routines.h"

using namespace desktop;

// The main window pinned and released through the shared routines, as the
// real window manager sees it.
class TestStayOnTop : public QObject {
    Q_OBJECT

private slots:
    void pinReleasePinNeverMoves();
};

void TestStayOnTop::pinReleasePinNeverMoves()
{
    RunningProgram program;
    QWidget* window = program.show(WindowId::Form1);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QString id = "0x" + QString::number(window->winId(), 16);
    const auto above = [&] { return run("xprop", {"-id", id, "_NET_WM_STATE"}).contains("_NET_WM_STATE_ABOVE"); };
    // Managed by the window manager and placed as designed.
    QTRY_VERIFY_WITH_TIMEOUT(run("xprop", {"-id", id, "WM_STATE"}).contains("Normal"), 10000);
    QRect placed;
    QTRY_COMPARE_WITH_TIMEOUT((placed = windowGeometry(id)).x(), 113, 10000);
    QVERIFY(!above());

    for (bool pin : {true, false, true}) {
        (pin ? stoplight::StayOnTop : stoplight::ReleaseStayOnTop)(program.toolkit, WindowId::Form1);
        QTRY_COMPARE_WITH_TIMEOUT(above(), pin, 10000);
        QCOMPARE(windowGeometry(id), placed);
        QVERIFY(window->isVisible());
    }
}

QTEST_MAIN(TestStayOnTop)
#include "tst_stay_on_top.moc"
