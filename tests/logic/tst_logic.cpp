#include "compose/composer.h"
#include "compose/export.h"
#include "fake_toolkit.h"
#include "host/host.h"
#include "stoplight/binder.h"
#include "stoplight/platform.h"
#include "stoplight/report.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using Probe = stoplight::Function<int (*)(int)>;

// The toolkit-free logic: the composed block, the saved bytes, what the user
// is told of each answer of the desktop's launcher, and functions bound at run
// time against a small library the test build makes.
class TestLogic : public QObject {
    Q_OBJECT

private slots:
    void block_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("expected"); // {d} and {k}: the two meta openings
        QTest::newRow("blanks kept") << QStringList{"   ", " b", "c "} << "<TITLE>   </TITLE>{d} b\">{k}c \">";
        QTest::newRow("quotes end no value") << QStringList{"Say \"hi\"", "The \"best\"", "a\"b"}
                                             << "<TITLE>Say \"hi\"</TITLE>{d}The &quot;best&quot;\">{k}a&quot;b\">";
        QTest::newRow("angle brackets") << QStringList{"<b>x</b> > y", "<i>", "a>b"}
                                        << "<TITLE>&lt;b>x&lt;/b> > y</TITLE>{d}<i>\">{k}a>b\">";
        QTest::newRow("typed entities kept") << QStringList{"Tom & Jerry &amp;", "R&D &quot;", "a&b"}
                                             << "<TITLE>Tom & Jerry &amp;</TITLE>{d}R&D &quot;\">{k}a&b\">";
        QTest::newRow("non-Latin") << QStringList{"Café Ελλάδα", "שלום", "日本,語"}
                                   << "<TITLE>Café Ελλάδα</TITLE>{d}שלום\">{k}日本,語\">";
    }

    void block()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, expected);
        expected.replace("{d}", "<meta name=\"description\" content=\"")
            .replace("{k}", "<meta name=\"keywords\" content=\"");
        QCOMPARE(compose::metaTags(fields[0], fields[1], fields[2]), expected);
    }

    void keepsEveryCharacter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("latin1"); // in an 8-bit encoding of the test's own
        QTest::newRow("all in it, byte for byte") << "Caf\u00e9 <b> \u00ff&#1;" << QByteArray("Caf\xe9 <b> \xff&#1;");
        QTest::newRow("letters outside") << "\u0141\u00f3d\u017a"
                                         << QByteArray("&#321;\xf3"
                                                       "d&#378;");
        QTest::newRow("outside the BMP: one reference") << "a\U0001F600b" << QByteArray("a&#128512;b");
        QTest::newRow("lone halves") << QStringView(u"\xd800x\xdc00\xdc00\xd83d").toString()
                                     << QByteArray("&#65533;x&#65533;&#65533;&#65533;");
        QTest::newRow("empty") << QString() << QByteArray();
    }

    void keepsEveryCharacter()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, latin1);
        const compose::Encoding encoding = [](QStringView run) -> std::optional<QByteArray> {
            QByteArray bytes;
            for (const QChar character : run) {
                if (character.unicode() > 0xff)
                    return std::nullopt;
                bytes += char(character.unicode());
            }
            return bytes;
        };
        QCOMPARE(compose::encodeKeepingEveryCharacter(text, encoding), latin1);
    }

    // Under Wine's English locale the ANSI code page is 1252, best fit off.
    void savedInTheSystemEncoding()
    {
        const QString text = "\u20ac \u0141\u00f3d\u017a \U0001F600";
#ifdef Q_OS_WIN
        const QByteArray expected("\x80 &#321;\xf3"
                                  "d&#378; &#128512;\r\n");
#else
        const QByteArray expected = text.toUtf8() + "\r\n";
#endif
        const QString saved = folder.filePath("saved.txt");
        QVERIFY(compose::exportText(saved, text, host::toSystemEncoding).saved);
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), expected);
    }

    void shellResult_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("box"); // empty: none
        const QString notFound = "messageBox 48 |The '%1' File or Path was Not Found.";
        const QString failed = "messageBox 16 |An error occurred attempting to open 'abc' (ShellExecute code %1).";
        for (const int nothing : {33, 0}) // accepted; out of resources
            QTest::newRow(qPrintable(QString::number(nothing))) << nothing << "abc" << QString();
        QTest::newRow("2 file not found, quote kept") << 2 << "http://a.b/it's" << notFound.arg("http://a.b/it's");
        QTest::newRow("3 path not found") << 3 << "abc" << notFound.arg("abc");
        QTest::newRow("32 missing library") << 32 << "abc" << failed.arg(32);
        QTest::newRow("negative") << -1234 << "abc" << failed.arg(-1234);
    }

    void shellResult()
    {
        QFETCH(int, result);
        QFETCH(QString, address);
        QFETCH(QString, box);
        FakeToolkit ui;
        stoplight::showShellOutcome(ui, {result, nullptr}, address.toStdString());
        QCOMPARE(ui.log, box.isEmpty() ? QStringList() : QStringList{box});
    }

    void unboundFunctionIsOneBox()
    {
        stoplight::Function<void (*)()> absent("g_app_info_launch_default_for_uri", "libnowhere-0.so.0");
        FakeToolkit ui;
        stoplight::showShellOutcome(ui, {0, &absent}, "http://www.example.com/");
        QCOMPARE(ui.log, QStringList{"messageBox 16 |The function 'g_app_info_launch_default_for_uri' could not be "
                                     "loaded from 'libnowhere-0.so.0'."});
    }

    void failsUntilItIsThere_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("before"); // the library at first; empty: none
        QTest::addColumn<int>("result");     // of calling with 1
        QTest::newRow("missing library") << "probe_twice" << QString() << 2;
        QTest::newRow("missing entry point") << "probe_later" << KESTRINE_PROBE << 8;
    }

    void failsUntilItIsThere()
    {
        QFETCH(QString, entry);
        QFETCH(QString, before);
        QFETCH(int, result);
        // Named with the platform's extension for libraries, which the look-up adds.
        const QString file = folder.filePath("lib" + entry + '.' + QFileInfo(KESTRINE_PROBE).suffix());
        QVERIFY(before.isEmpty() || QFile::copy(before, file));
        Probe probe(entry.toStdString(), path("lib" + entry)); // the platform's extension added
        QVERIFY(!probe.bind());
        QVERIFY(!probe.bind());
        QVERIFY(!QFile::exists(file) || QFile::remove(file));
        QVERIFY(QFile::copy(KESTRINE_PROBE_LATER, file));
        QVERIFY(probe.bind()); // found now, though it was missing before
        QCOMPARE(probe.bind()(1), result);
        QCOMPARE(probe.lookups(), 3);
    }

private:
    std::string path(const QString& name) const
    {
        return folder.filePath(name).toLocal8Bit().toStdString();
    }
    // A folder whose name has a dot, that is no extension.
    QTemporaryDir folder{QDir::tempPath() + "/stoplight.XXXXXX"};
};

QTEST_APPLESS_MAIN(TestLogic)
#include "tst_logic.moc"
