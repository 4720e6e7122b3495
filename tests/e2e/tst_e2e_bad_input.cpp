#include "compose/composer.h"
#include "desktop.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

using namespace desktop;

// Hostile input pasted into every field of the real program, built and saved
// under an awkward name: the file holds exactly the block, nothing hangs.
class TestEndToEndBadInput : public QObject {
    Q_OBJECT

private slots:
    void pasteBuildAndSave_data();
    void pasteBuildAndSave();
};

// Pastes into the focused box, and waits until the box holds the text: copied
// back from it, the text returns whole.
static void paste(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    xdotool({"key", "--delay", "50", "ctrl+v", "ctrl+a", "ctrl+c"});
    // The program asks for the text while this process waits here; once it
    // has copied, the clipboard is its own.
    QTRY_VERIFY_WITH_TIMEOUT(!clipboard->ownsClipboard(), 30000);
    QTRY_COMPARE_WITH_TIMEOUT(clipboard->text(), text, 30000);
}

void TestEndToEndBadInput::pasteBuildAndSave_data()
{
    QTest::addColumn<QStringList>("fields");
    QString million(1000000, u'x');
    for (qsizetype i = 7; i < million.size(); i += 8)
        million[i] = u' ';
    QTest::newRow("a million characters each")
        << QStringList{million, QString(million).replace(u'x', u'y'), QString(million).replace(u'x', u'z')};
    QTest::newRow("control characters and NUL") << QStringList{QString("a\x01"
                                                                       "b\x07"
                                                                       "c"),
                                                               QString("d\x1b"
                                                                       "e\tf"),
                                                               QString::fromUtf16(u"g\0h", 3)};
    QTest::newRow("right-to-left and non-Latin") << QStringList{"שלום עולם", "مرحبا بالعالم", "日本語, Ελληνικά"};
}

void TestEndToEndBadInput::pasteBuildAndSave()
{
    QFETCH(QStringList, fields);
    QTemporaryDir home;
    // Qt's own dialog reads double quotes as separators of several names, so
    // the awkward name has single ones.
    const QString name = "my 'tags' é file.txt";
    Program program(QStringLiteral(KESTRINE_EXECUTABLE), {"HOME=" + home.path()});
    const auto activeTitle = [] { return xdotool({"getactivewindow", "getwindowname"}); };
    QTRY_COMPARE_WITH_TIMEOUT(activeTitle(), "Orbeck Kestrine", 10000);

    xdotool({"key", "--delay", "50", "Tab", "Tab"}); // from the bottom strip to the name box
    for (const QString& field : fields) {
        paste(field);
        xdotool({"key", "Tab"});
    }
    xdotool({"key", "ctrl+b"});
    xdotool({"key", "ctrl+s"});
    QTRY_COMPARE_WITH_TIMEOUT(activeTitle(), "Save as", 30000);
    paste(home.filePath(name));
    xdotool({"key", "Return"});

    const QByteArray expected = (compose::titleElement(fields[0]) + compose::descriptionElement(fields[1]) +
                                 compose::keywordsElement(fields[2]))
                                    .toUtf8() +
                                "\r\n";
    QTRY_COMPARE_WITH_TIMEOUT(QDir(home.path()).entryList(QDir::Files), QStringList{name}, 30000);
    QFile saved(home.filePath(name));
    QTRY_COMPARE_WITH_TIMEOUT(saved.size(), expected.size(), 30000);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QVERIFY2(bytes == expected, bytes.left(300).toPercentEncoding(" <>\"=/").constData());
    QCOMPARE(program.process().state(), QProcess::Running);
}

QTEST_MAIN(TestEndToEndBadInput)
#include "tst_e2e_bad_input.moc"
