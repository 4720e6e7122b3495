#include "desktop.h"

#include <QDir>
#include <QTemporaryDir>

using namespace desktop;

// The real program saving a composed block through the real Save dialog, as
// a user does it with the keyboard.
class TestEndToEndSave : public QObject {
    Q_OBJECT

private slots:
    void buildAndSaveThroughTheDialog();
};

void TestEndToEndSave::buildAndSaveThroughTheDialog()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    Program program(QStringLiteral(KESTRINE_EXECUTABLE), {"HOME=" + home.path()});
    const auto activeTitle = [] { return xdotool({"getactivewindow", "getwindowname"}); };
    QTRY_COMPARE_WITH_TIMEOUT(activeTitle(), "Orbeck Kestrine", 10000);

    // A tab is typed as the Tab key.
    xdotool({"type", "--delay", "20", "\t\tAcme\tCaf\u00e9 tools\thammer, saw"});
    xdotool({"key", "ctrl+b", "ctrl+s"});
    QTRY_COMPARE_WITH_TIMEOUT(activeTitle(), "Save as", 10000);
    // The name as typed, without an extension.
    xdotool({"key", "ctrl+a"});
    xdotool({"type", "--delay", "20", home.filePath("site tags")});
    xdotool({"key", "Return"});

    // The file is moved into place whole once written.
    QTRY_COMPARE_WITH_TIMEOUT(QDir(home.path()).entryList(QDir::Files), QStringList{"site tags"}, 10000);
    QFile saved(home.filePath("site tags"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("<TITLE>Acme</TITLE><meta name=\"description\" content=\"Caf\xc3\xa9 tools\">"
                                         "<meta name=\"keywords\" content=\"hammer, saw\">\r\n"));
    QCOMPARE(program.process().state(), QProcess::Running);
}

QTEST_MAIN(TestEndToEndSave)
#include "tst_e2e_save.moc"
