#include "compose/composer.h"

#include <QTest>

using compose::Field;

class TestComposer : public QObject {
    Q_OBJECT

private slots:
    void block_data();
    void block();
    void firstEmptyField_data();
    void firstEmptyField();
};

void TestComposer::block_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<QString>("expected");

    QTest::newRow("ordinary") << "Acme Tools"
                              << "Hand tools for sale"
                              << "hammer,saw"
                              << "<TITLE>Acme Tools</TITLE><meta name=\"description\" content=\"Hand tools for sale\">"
                                 "<meta name=\"keywords\" content=\"hammer,saw\">";
    QTest::newRow("blanks only, kept") << "   "
                                       << " "
                                       << "  "
                                       << "<TITLE>   </TITLE><meta name=\"description\" content=\" \">"
                                          "<meta name=\"keywords\" content=\"  \">";
    QTest::newRow("leading and trailing blanks") << " a "
                                                 << " b"
                                                 << "c "
                                                 << "<TITLE> a </TITLE><meta name=\"description\" content=\" b\">"
                                                    "<meta name=\"keywords\" content=\"c \">";
    QTest::newRow("quotes end no value") << "Say \"hi\""
                                         << "The \"best\" tools"
                                         << "a\"b"
                                         << "<TITLE>Say \"hi\"</TITLE>"
                                            "<meta name=\"description\" content=\"The &quot;best&quot; tools\">"
                                            "<meta name=\"keywords\" content=\"a&quot;b\">";
    QTest::newRow("angle brackets") << "<b>Bold</b> > x"
                                    << "<i>x</i>"
                                    << "a>b"
                                    << "<TITLE>&lt;b>Bold&lt;/b> > x</TITLE>"
                                       "<meta name=\"description\" content=\"<i>x</i>\">"
                                       "<meta name=\"keywords\" content=\"a>b\">";
    QTest::newRow("ampersands and typed entities kept") << "Tom & Jerry &amp; co"
                                                        << "R&D &quot;x&quot;"
                                                        << "a&b"
                                                        << "<TITLE>Tom & Jerry &amp; co</TITLE>"
                                                           "<meta name=\"description\" content=\"R&D &quot;x&quot;\">"
                                                           "<meta name=\"keywords\" content=\"a&b\">";
    QTest::newRow("keywords as typed") << "x"
                                       << "y"
                                       << "one, two ,three,,"
                                       << "<TITLE>x</TITLE><meta name=\"description\" content=\"y\">"
                                          "<meta name=\"keywords\" content=\"one, two ,three,,\">";
    QTest::newRow("non-Latin text") << QString::fromUtf8("Café Ελλάδα") << QString::fromUtf8("שלום עולם")
                                    << QString::fromUtf8("日本,語")
                                    << QString::fromUtf8("<TITLE>Café Ελλάδα</TITLE>"
                                                         "<meta name=\"description\" content=\"שלום עולם\">"
                                                         "<meta name=\"keywords\" content=\"日本,語\">");
}

void TestComposer::block()
{
    QFETCH(QString, title);
    QFETCH(QString, description);
    QFETCH(QString, keywords);
    QFETCH(QString, expected);

    QCOMPARE(compose::titleElement(title) + compose::descriptionElement(description) +
                 compose::keywordsElement(keywords),
             expected);
}

void TestComposer::firstEmptyField_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<int>("expected"); // -1: none

    QTest::newRow("all empty: title first") << ""
                                            << ""
                                            << "" << int(Field::Title);
    QTest::newRow("title only empty") << ""
                                      << "d"
                                      << "k" << int(Field::Title);
    QTest::newRow("description and keywords empty") << "t"
                                                    << ""
                                                    << "" << int(Field::Description);
    QTest::newRow("keywords empty") << "t"
                                    << "d"
                                    << "" << int(Field::Keywords);
    QTest::newRow("blanks are not empty") << " "
                                          << " "
                                          << " " << -1;
    QTest::newRow("all filled") << "t"
                                << "d"
                                << "k" << -1;
}

void TestComposer::firstEmptyField()
{
    QFETCH(QString, title);
    QFETCH(QString, description);
    QFETCH(QString, keywords);
    QFETCH(int, expected);

    const auto empty = compose::firstEmptyField(title, description, keywords);
    QCOMPARE(empty ? int(*empty) : -1, expected);
}

QTEST_APPLESS_MAIN(TestComposer)
#include "tst_composer.moc"
