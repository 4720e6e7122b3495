#include "compose/composer.h"

#include <QTest>

class TestComposer : public QObject {
    Q_OBJECT

private slots:
    void block_data();
    void block();
};

void TestComposer::block_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<QString>("expected"); // {d} and {k}: the two meta openings

    QTest::newRow("ordinary") << "Acme Tools"
                              << "Hand tools for sale"
                              << "hammer,saw"
                              << "<TITLE>Acme Tools</TITLE>{d}Hand tools for sale\">{k}hammer,saw\">";
    QTest::newRow("blanks kept") << "   "
                                 << " b"
                                 << "c "
                                 << "<TITLE>   </TITLE>{d} b\">{k}c \">";
    QTest::newRow("quotes end no value") << "Say \"hi\""
                                         << "The \"best\""
                                         << "a\"b"
                                         << "<TITLE>Say \"hi\"</TITLE>{d}The &quot;best&quot;\">{k}a&quot;b\">";
    QTest::newRow("angle brackets") << "<b>x</b> > y"
                                    << "<i>"
                                    << "a>b"
                                    << "<TITLE>&lt;b>x&lt;/b> > y</TITLE>{d}<i>\">{k}a>b\">";
    QTest::newRow("ampersands and typed entities") << "Tom & Jerry &amp;"
                                                   << "R&D &quot;"
                                                   << "a&b"
                                                   << "<TITLE>Tom & Jerry &amp;</TITLE>{d}R&D &quot;\">{k}a&b\">";
    QTest::newRow("non-Latin") << "Café Ελλάδα"
                               << "שלום"
                               << "日本,語"
                               << "<TITLE>Café Ελλάδα</TITLE>{d}שלום\">{k}日本,語\">";
}

void TestComposer::block()
{
    QFETCH(QString, title);
    QFETCH(QString, description);
    QFETCH(QString, keywords);
    QFETCH(QString, expected);
    expected.replace("{d}", "<meta name=\"description\" content=\"")
        .replace("{k}", "<meta name=\"keywords\" content=\"");

    QCOMPARE(compose::titleElement(title) + compose::descriptionElement(description) +
                 compose::keywordsElement(keywords),
             expected);
}

QTEST_APPLESS_MAIN(TestComposer)
#include "tst_composer.moc"
