#include "stoplight/binder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Probe = stoplight::Function<int (*)(int)>;

// Declarations bound at run time against a small library the test build
// makes, copied into a folder whose name has a dot, that is no extension.
class TestBinder : public QObject {
    Q_OBJECT

private slots:
    void boundOnceCalledTwice();
    void failsUntilItIsThere_data();
    void failsUntilItIsThere();
    void nameWithoutExtensionIsLoaded();

private:
    std::string path(const QString& name) const { return folder.filePath(name).toLocal8Bit().toStdString(); }

    QTemporaryDir folder{QDir::tempPath() + "/stoplight.XXXXXX"};
};

void TestBinder::boundOnceCalledTwice()
{
    Probe twice("probe_twice", KESTRINE_PROBE);
    QVERIFY(!twice.isBound());

    QCOMPARE(twice.bind()(1), 2);
    QCOMPARE(twice.bind()(2), 4);

    QCOMPARE(twice.lookups(), 1);
    // Each declaration has its own slot, even for the same entry point.
    QVERIFY(!Probe("probe_twice", KESTRINE_PROBE).isBound());
}

void TestBinder::failsUntilItIsThere_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("before"); // the library at first; empty: none
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("result"); // of calling with 1

    QTest::newRow("missing library") << "probe_twice"
                                     << "" << KESTRINE_PROBE << 2;
    QTest::newRow("missing entry point") << "probe_later" << KESTRINE_PROBE << KESTRINE_PROBE_LATER << 8;
}

void TestBinder::failsUntilItIsThere()
{
    QFETCH(QString, entry);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, result);
    const QString name = "lib" + entry + ".so";
    const QString file = folder.filePath(name);
    QVERIFY(before.isEmpty() || QFile::copy(before, file));
    Probe probe(entry.toStdString(), path(name));

    QVERIFY(!probe.bind());
    QVERIFY(!probe.bind());
    QVERIFY(!QFile::exists(file) || QFile::remove(file));
    QVERIFY(QFile::copy(after, file));

    QVERIFY(probe.bind());
    QCOMPARE(probe.bind()(1), result);
    QCOMPARE(probe.lookups(), 3);
}

void TestBinder::nameWithoutExtensionIsLoaded()
{
    QVERIFY(QFile::copy(KESTRINE_PROBE, folder.filePath("libnoext.so")));
    Probe twice("probe_twice", path("libnoext"));

    QVERIFY(twice.bind());
    QCOMPARE(twice.bind()(4), 8);
    // As declared, for the message that names it.
    QCOMPARE(twice.library(), path("libnoext"));
}

QTEST_APPLESS_MAIN(TestBinder)
#include "tst_binder.moc"
