#include "fake_toolkit.h"
#include "stoplight/platform.h"
#include "stoplight/report.h"

#include <QTest>

// What the user is told about each answer of the shell, and about a function
// that cannot be bound.
class TestMessages : public QObject {
    Q_OBJECT

private slots:
    void shellResult_data();
    void shellResult();
    void launcherErrorsOfAnotherDomainNameNoCause();
    void unboundFunctionIsOneBox();
};

void TestMessages::shellResult_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("box"); // empty: none

    const QString notFound = "messageBox 48 |The '%1' File or Path was Not Found.";
    const QString failed = "messageBox 16 |An error occurred attempting to open 'abc' (ShellExecute code %1).";
    QTest::newRow("33 accepted") << 33 << "abc"
                                 << "";
    QTest::newRow("0 out of resources") << 0 << "abc"
                                        << "";
    QTest::newRow("31 no association") << 31 << "abc"
                                       << "messageBox 48 |No Association Found for HTTP Addresses. A Web Browser "
                                          "Should be Installed or Reinstalled.";
    QTest::newRow("2 file not found, quote kept") << 2 << "http://a.b/it's" << notFound.arg("http://a.b/it's");
    QTest::newRow("3 path not found") << 3 << "abc" << notFound.arg("abc");
    QTest::newRow("1 other failure") << 1 << "abc" << failed.arg(1);
    QTest::newRow("32 missing library") << 32 << "abc" << failed.arg(32);
    QTest::newRow("negative") << -1234 << "abc" << failed.arg(-1234);
}

void TestMessages::shellResult()
{
    QFETCH(int, result);
    QFETCH(QString, address);
    QFETCH(QString, box);
    FakeToolkit ui;

    stoplight::showShellOutcome(ui, {result, nullptr}, address.toStdString());

    QCOMPARE(ui.log, box.isEmpty() ? QStringList() : QStringList{box});
}

void TestMessages::launcherErrorsOfAnotherDomainNameNoCause()
{
    // The codes of "not supported" and "not found", of another domain.
    QCOMPARE(stoplight::launcherResult(false, 78, 15, 77), stoplight::shellResult::otherFailure);
    QCOMPARE(stoplight::launcherResult(false, 78, 1, 77), stoplight::shellResult::otherFailure);
}

void TestMessages::unboundFunctionIsOneBox()
{
    stoplight::Function<void (*)()> absent("g_app_info_launch_default_for_uri", "libnowhere-0.so.0");
    QVERIFY(!absent.bind());
    FakeToolkit ui;

    stoplight::showShellOutcome(ui, {0, &absent}, "http://www.example.com/");

    QCOMPARE(ui.log, QStringList{"messageBox 16 |The function 'g_app_info_launch_default_for_uri' could not be "
                                 "loaded from 'libnowhere-0.so.0'."});
}

QTEST_GUILESS_MAIN(TestMessages)
#include "tst_messages.moc"
