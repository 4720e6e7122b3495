#include "fake_toolkit.h"
#include "stoplight/routines.h"
#include "xdg_desktop.h"

// OpenUrl through the desktop's real launcher, in a desktop of the test's own
// whose web browser records the addresses it is given.
class TestOpenUrl : public QObject {
    Q_OBJECT

private slots:
    void openUrl_data();
    void openUrl();
};

void TestOpenUrl::openUrl_data()
{
    QTest::addColumn<QString>("address"); // <folder>: one holding page.html
    QTest::addColumn<bool>("browser");
    QTest::addColumn<QString>("box"); // empty: none, and the browser is given the address

    QTest::newRow("http") << "http://www.example.com/" << true << "";
    QTest::newRow("https with a query") << "https://example.org/tools/?q=meta&lang=en#top" << true << "";
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

void TestOpenUrl::openUrl()
{
    QFETCH(QString, address);
    QFETCH(bool, browser);
    QFETCH(QString, box);
    XdgDesktop desktop;
    QVERIFY(desktop.isValid());
    QVERIFY(!browser || desktop.registerWebBrowser());
    QTemporaryDir folder;
    QVERIFY(QFile(folder.filePath("page.html")).open(QIODevice::WriteOnly));
    address.replace("<folder>", folder.path());
    FakeToolkit ui;

    stoplight::OpenUrl(ui, address);

    QCOMPARE(ui.log, box.isEmpty() ? QStringList() : QStringList{box.replace("<folder>", folder.path())});
    if (browser)
        QTRY_COMPARE_WITH_TIMEOUT(desktop.received(), QStringList{address}, 10000);
}

QTEST_GUILESS_MAIN(TestOpenUrl)
#include "tst_open_url.moc"
