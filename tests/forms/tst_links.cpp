#include "app_fixture.h"
#include "fake_toolkit.h"
#include "stoplight/routines.h"
#include "xdg_desktop.h"

// Addresses opened through the desktop's real launcher, by OpenUrl and by clicks on the secondary windows' links.
class TestLinks : public QObject {
    Q_OBJECT

    const QString refusal =
        "No Association Found for HTTP Addresses. A Web Browser Should be Installed or Reinstalled.";
    XdgDesktop desktop;
    QTemporaryDir folder; // holding page.html
    RunningProgram program;

    // Clicks a control named as the fake toolkit names it, at a point or in its middle; returns its window.
    QWidget* click(const QString& control, QPoint at = {})
    {
        QWidget* window = program.show(control.startsWith("Form2.") ? WindowId::Form2 : WindowId::aboutmeta);
        QTest::mouseClick(window->findChild<QWidget*>(control.section('.', 1)), Qt::LeftButton, {}, at);
        return window;
    }

private slots:
    void initTestCase() { QVERIFY(desktop.valid && QFile(folder.filePath("page.html")).open(QIODevice::WriteOnly)); }

    void openUrl_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("box"); // none: a browser is registered, and given the address
        const QString http = "http://www.example.com/", missing = "file://" + folder.filePath("missing.html"),
                      inside = "file://" + folder.filePath("page.html/index.html");
        QTest::newRow("quote, blank and umlaut kept") << "http://example.net/it's a m\u00fchle.html" << QString();
        QTest::newRow("no browser registered") << http << "messageBox 48 |" + refusal;
        QTest::newRow("missing file") << missing << "messageBox 48 |The '" + missing + "' File or Path was Not Found.";
        QTest::newRow("file used as a folder")
            << inside << "messageBox 16 |An error occurred attempting to open '" + inside + "' (ShellExecute code 1).";
    }

    void openUrl()
    {
        QFETCH(QString, address);
        QFETCH(QString, box);
        QVERIFY(desktop.setWebBrowser(box.isEmpty()));
        FakeToolkit ui;
        stoplight::OpenUrl(ui, address);
        QCOMPARE(ui.log.join(u'\n'), box);
        QTRY_COMPARE_WITH_TIMEOUT(desktop.received(), box.isEmpty() ? QStringList{address} : QStringList(), 10000);
    }

    void clickOpens_data()
    {
        QTest::addColumn<QString>("controls"); // in turn: a wrong address would arrive before the next one's
        QTest::addColumn<QPoint>("at");        // null: the middle
        QTest::addColumn<QString>("opened");
        const QString partner = "http://www.hollisway.example", download = "http://www.quarrendale.example";
        QTest::newRow("partner logo") << "Form2.Image1" << QPoint() << partner;
        QTest::newRow("partner host name") << "Form2.Label3" << QPoint(20, 25) << partner;
        QTest::newRow("the sentence under it") << "Form2.Label3" << QPoint(20, 5) << partner;
        QTest::newRow("maker's logo") << "aboutmeta.Image1" << QPoint() << "http://www.orbeck.example";
        QTest::newRow("shown address, other host") << "aboutmeta.Label5" << QPoint() << "http://home.orbeck.example";
        QTest::newRow("download site") << "aboutmeta.Label7" << QPoint() << download;
        QTest::newRow("heading with the up arrow and partner notice")
            << "aboutmeta.Label8 aboutmeta.Label10 aboutmeta.Label7" << QPoint() << download;
    }

    void clickOpens()
    {
        QFETCH(QString, controls);
        QFETCH(QPoint, at);
        QFETCH(QString, opened);
        QVERIFY(desktop.setWebBrowser(true));
        QWidget* window = nullptr;
        for (const QString& control : controls.split(u' '))
            window = click(control, at);
        QTRY_COMPARE_WITH_TIMEOUT(desktop.received(), QStringList{opened}, 10000);
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
