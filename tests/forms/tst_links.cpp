#include "app_fixture.h"
#include "fake_toolkit.h"
#include "stoplight/routines.h"
#include "xdg_desktop.h"

#include <QAbstractButton>
#include <QMessageBox>

// Web addresses opened through the desktop's real launcher, in a desktop of
// the test's own whose browser records what it is given: by OpenUrl, and by
// the link labels and logos of the secondary windows clicked as a user would.
class TestLinks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void openUrl_data();
    void openUrl();
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

void TestLinks::openUrl_data()
{
    QTest::addColumn<QString>("address"); // <folder>: one holding page.html
    QTest::addColumn<bool>("browser");
    QTest::addColumn<QString>("box"); // empty: none, and the browser is given the address

    QTest::newRow("http") << "http://www.example.com/" << true << "";
    QTest::newRow("quote, blank and umlaut kept") << "http://example.net/it's a m\u00fchle.html" << true << "";
    QTest::newRow("no browser registered") << "http://www.example.com/" << false
                                           << "messageBox 48 |No Association Found for HTTP Addresses. "
                                              "A Web Browser Should be Installed or Reinstalled.";
    QTest::newRow("missing file") << "file://<folder>/missing.html" << false
                                  << "messageBox 48 |The 'file://<folder>/missing.html' File or Path was Not Found.";
    QTest::newRow("file used as a folder") << "file://<folder>/page.html/index.html" << false
                                           << "messageBox 16 |An error occurred attempting to open "
                                              "'file://<folder>/page.html/index.html' (ShellExecute code 1).";
}

void TestLinks::openUrl()
{
    QFETCH(QString, address);
    QFETCH(bool, browser);
    QFETCH(QString, box);
    QVERIFY(!browser || desktop.registerWebBrowser());
    QTemporaryDir folder;
    QVERIFY(QFile(folder.filePath("page.html")).open(QIODevice::WriteOnly));
    address.replace("<folder>", folder.path());
    const qsizetype before = desktop.received().size();
    FakeToolkit ui;

    stoplight::OpenUrl(ui, address);

    QCOMPARE(ui.log, box.isEmpty() ? QStringList() : QStringList{box.replace("<folder>", folder.path())});
    if (browser)
        QTRY_COMPARE_WITH_TIMEOUT(desktop.received().mid(before), QStringList{address}, 10000);
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
