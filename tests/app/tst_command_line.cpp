#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The real program's command line, answered with no display: the status it
// ends with and the first line it prints. An error is one or two lines on
// standard error; an answer goes to standard output.
class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void answers_data();
    void answers();

private:
    QTemporaryDir runtimeFolder;
};

void TestCommandLine::answers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("firstLineHas");

    const QString version = QStringLiteral("kestrine " KESTRINE_VERSION);
    QTest::newRow("--version") << QStringList{"--version"} << QStringList{} << 0 << QStringList{version};
    QTest::newRow("Qt's options, then -v")
        << QStringList{"-platform", "xcb", "-reverse", "-v"} << QStringList{} << 0 << QStringList{version};
    QTest::newRow("--help") << QStringList{"--help"} << QStringList{} << 0 << QStringList{"Usage: kestrine"};
    QTest::newRow("-h") << QStringList{"-h"} << QStringList{} << 0 << QStringList{"Usage: kestrine"};
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << QStringList{} << 2
                                    << QStringList{"'--frobnicate'", "--help"};
    QTest::newRow("unknown one-dash option")
        << QStringList{"-v", "-frobnicate"} << QStringList{} << 2 << QStringList{"'-frobnicate'", "--help"};
    QTest::newRow("unknown option with a value")
        << QStringList{"--frob=1"} << QStringList{} << 2 << QStringList{"'--frob'", "--help"};
    QTest::newRow("value missing") << QStringList{"-style"} << QStringList{} << 2 << QStringList{"-style", "--help"};
    QTest::newRow("an argument") << QStringList{"page.html"} << QStringList{} << 2
                                 << QStringList{"'page.html'", "--help"};
    QTest::newRow("no display") << QStringList{} << QStringList{} << 1 << QStringList{"DISPLAY", "WAYLAND_DISPLAY"};
    QTest::newRow("X display that cannot be reached") << QStringList{} << QStringList{"DISPLAY=no-such-display"} << 1
                                                      << QStringList{"'no-such-display'", "WAYLAND_DISPLAY"};
    QTest::newRow("X display given with -display") << QStringList{"-display", "no-such-display"} << QStringList{} << 1
                                                   << QStringList{"'no-such-display'", "-display"};
    // Were -platform not handed to Qt, the environment's platform would start.
    QTest::newRow("Qt's options reach Qt")
        << QStringList{"-reverse", "-style", "Fusion", "-platform", "no-such-platform"}
        << QStringList{"QT_QPA_PLATFORM=offscreen"} << 1 << QStringList{"'no-such-platform'"};
}

void TestCommandLine::answers()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(int, status);
    QFETCH(QStringList, firstLineHas);

    QProcessEnvironment settings = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        settings.remove(name);
    settings.insert("XDG_RUNTIME_DIR", runtimeFolder.path());
    for (const QString& each : environment)
        settings.insert(each.section('=', 0, 0), each.section('=', 1));
    QProcess program;
    program.setProcessEnvironment(settings);
    program.start(KESTRINE_EXECUTABLE, arguments);
    if (!program.waitForFinished(30000)) {
        program.kill();
        program.waitForFinished();
        QFAIL("the program is still running");
    }

    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    const QStringList lines = (status == 0 ? out : errors).split('\n', Qt::SkipEmptyParts);
    QVERIFY2(!lines.isEmpty() && (status == 0 ? errors : out).isEmpty(), qPrintable(out + errors));
    if (status != 0)
        QVERIFY2(lines.size() <= 2, qPrintable(errors));
    for (const QString& part : firstLineHas)
        QVERIFY2(lines.first().contains(part), qPrintable(lines.first()));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
