#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The real program's command line, answered with no display: the status it
// ends with and the first line it prints. An error is one or two lines on
// standard error; an answer goes to standard output.
class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("firstLineHas");
        QTest::addColumn<QStringList>("environment");
        const auto row = [](const char* name, const QStringList& arguments, int status, const QStringList& firstLineHas,
                            const QStringList& environment = {}) {
            QTest::newRow(name) << arguments << status << firstLineHas << environment;
        };
        const QString version = QStringLiteral("kestrine " KESTRINE_VERSION);
        row("--version", {"--version"}, 0, {version});
        row("Qt's options, then -v", {"-platform", "xcb", "-reverse", "-v"}, 0, {version});
        row("--help", {"--help"}, 0, {"Usage: kestrine"});
        row("-h", {"-h"}, 0, {"Usage: kestrine"});
        row("unknown option", {"--frobnicate"}, 2, {"'--frobnicate'", "--help"});
        row("unknown one-dash option", {"-v", "-frobnicate"}, 2, {"'-frobnicate'", "--help"});
        row("unknown option with a value", {"--frob=1"}, 2, {"'--frob'", "--help"});
        row("value missing", {"-style"}, 2, {"-style", "--help"});
        row("an argument", {"page.html"}, 2, {"'page.html'", "--help"});
        row("no display", {}, 1, {"DISPLAY", "WAYLAND_DISPLAY"});
        row("X display that cannot be reached", {}, 1, {"'no-such-display'", "WAYLAND_DISPLAY"},
            {"DISPLAY=no-such-display"});
        row("X display given with -display", {"-display", "no-such-display"}, 1, {"'no-such-display'", "-display"});
        // Were -platform not handed to Qt, the environment's platform would start.
        row("Qt's options reach Qt", {"-reverse", "-style", "Fusion", "-platform", "no-such-platform"}, 1,
            {"'no-such-platform'"}, {"QT_QPA_PLATFORM=offscreen"});
    }

    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QStringList, firstLineHas);
        QFETCH(QStringList, environment);

        QProcessEnvironment settings = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
            settings.remove(name);
        settings.insert("XDG_RUNTIME_DIR", runtimeFolder.path());
        for (const QString& each : environment)
            settings.insert(each.section('=', 0, 0), each.section('=', 1));
        QProcess program;
        program.setProcessEnvironment(settings);
        program.start(KESTRINE_EXECUTABLE, arguments);
        QVERIFY2(program.waitForFinished(30000), "the program is still running"); // ended by ~QProcess

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

private:
    QTemporaryDir runtimeFolder;
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
