#include "app_fixture.h"
#include "xdg_desktop.h"

#include <QAbstractButton>
#include <QMessageBox>

// The link labels and logos of the secondary windows, clicked as a user
// clicks them, opening their addresses through a desktop of the test's own.
class TestLinks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void clickOpens_data();
    void clickOpens();
    void refusalIsShownAndTheWindowStays();

private:
    void click(WindowId window, const char* control, QPoint at = {});

    XdgDesktop desktop;
    std::unique_ptr<RunningProgram> program;
};

void TestLinks::initTestCase()
{
    QVERIFY(desktop.isValid());
}

void TestLinks::init()
{
    program = std::make_unique<RunningProgram>();
}

void TestLinks::cleanup()
{
    program.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    QVERIFY(desktop.unregisterWebBrowser());
}

void TestLinks::click(WindowId window, const char* control, QPoint at)
{
    QWidget* shown = program->show(window);
    QWidget* target = control ? program->control(window, control) : shown;
    QTest::mouseClick(target, Qt::LeftButton, {}, at.isNull() ? target->rect().center() : at);
}

void TestLinks::clickOpens_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QStringList>("opened");

    const QStringList partner{"http://www.hollisway.example"};
    QTest::newRow("partner logo") << int(WindowId::Form2) << "Image1" << QPoint() << partner;
    QTest::newRow("partner host name") << int(WindowId::Form2) << "Label3" << QPoint(20, 25) << partner;
    QTest::newRow("the sentence under it") << int(WindowId::Form2) << "Label3" << QPoint(20, 5) << partner;
    QTest::newRow("maker's logo") << int(WindowId::aboutmeta) << "Image1" << QPoint()
                                  << QStringList{"http://www.orbeck.example"};
    QTest::newRow("shown address opens the other host")
        << int(WindowId::aboutmeta) << "Label5" << QPoint() << QStringList{"http://home.orbeck.example"};
    QTest::newRow("download site") << int(WindowId::aboutmeta) << "Label7" << QPoint()
                                   << QStringList{"http://www.quarrendale.example"};
    QTest::newRow("heading with the up arrow") << int(WindowId::aboutmeta) << "Label8" << QPoint() << QStringList{};
    QTest::newRow("partner notice") << int(WindowId::aboutmeta) << "Label10" << QPoint() << QStringList{};
}

void TestLinks::clickOpens()
{
    QFETCH(int, window);
    QFETCH(QString, control);
    QFETCH(QPoint, at);
    QFETCH(QStringList, opened);
    QVERIFY(desktop.registerWebBrowser());
    const qsizetype before = desktop.received().size();

    click(WindowId(window), qPrintable(control), at);

    if (opened.isEmpty()) {
        // Give a wrong click the time it would take to arrive: open a known
        // address afterwards and see only that one.
        click(WindowId::aboutmeta, "Label7");
        opened = QStringList{"http://www.quarrendale.example"};
    }
    QTRY_COMPARE_WITH_TIMEOUT(desktop.received().mid(before), opened, 10000);
    QVERIFY(program->toolkit.window(WindowId(window))->isVisible());
}

void TestLinks::refusalIsShownAndTheWindowStays()
{
    QString seen;
    whenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        seen = box->windowTitle() + u'|' + box->text();
        box->button(QMessageBox::Ok)->click();
    });
    click(WindowId::Form2, "Image1");
    QCOMPARE(seen, "Kestrine|No Association Found for HTTP Addresses. A Web Browser Should be Installed or "
                   "Reinstalled.");
    QVERIFY(program->toolkit.window(WindowId::Form2)->isVisible());
}

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
