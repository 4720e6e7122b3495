#include "app_fixture.h"

#include <QLabel>
#include <QMainWindow>

// Run with QT_SCALE_FACTOR=2: every window twice its designed size in device
// pixels, every picture drawn at that resolution rather than enlarged.
class TestScale : public QObject {
    Q_OBJECT

private slots:
    void windowsAndPictures_data();
    void windowsAndPictures();
};

void TestScale::windowsAndPictures_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QSize>("client");
    QTest::newRow("Form1") << int(WindowId::Form1) << QSize(362, 299);
    QTest::newRow("Form2") << int(WindowId::Form2) << QSize(289, 193);
    QTest::newRow("aboutmeta") << int(WindowId::aboutmeta) << QSize(409, 270);
}

void TestScale::windowsAndPictures()
{
    QFETCH(int, window);
    QFETCH(QSize, client);
    QCOMPARE(qEnvironmentVariable("QT_SCALE_FACTOR"), "2");
    RunningProgram program;
    QWidget* shown = program.show(WindowId(window));
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    auto* main = qobject_cast<QMainWindow*>(shown);
    QCOMPARE((main ? main->centralWidget() : shown)->grab().size(), client * 2);

    for (QLabel* image : shown->findChildren<QLabel*>()) {
        if (image->pixmap().isNull())
            continue;
        const QPixmap pixmap = image->pixmap();
        QCOMPARE(pixmap.devicePixelRatio(), 2.0);
        QCOMPARE(pixmap.size(), image->size() * 2); // drawn at full resolution, shown at natural size
    }
}

QTEST_MAIN(TestScale)
#include "tst_scale.moc"
