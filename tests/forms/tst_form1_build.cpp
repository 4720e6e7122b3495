#include "fake_toolkit.h"
#include "forms/Form1/form1_commands.h"

#include <QTest>

// Build as the handler runs it against the toolkit: what it reads, the three
// writes into the output box and the one box it may show.
class TestForm1Build : public QObject {
    Q_OBJECT

private slots:
    void init();
    void emptyFieldIsReportedAndChangesNothing_data();
    void emptyFieldIsReportedAndChangesNothing();
    void writesTheBlockInThreeSteps();
    void replacesWhateverTheBoxHeld();

private:
    FakeToolkit ui;
};

void TestForm1Build::init()
{
    ui = FakeToolkit();
    ui.texts["Form1.Text4"] = "held before";
}

void TestForm1Build::emptyFieldIsReportedAndChangesNothing_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<QString>("message");

    QTest::newRow("all empty") << ""
                               << ""
                               << ""
                               << "Please enter a value into the title field";
    QTest::newRow("description and keywords empty") << "t"
                                                    << ""
                                                    << ""
                                                    << "Please enter a value into the description field";
    QTest::newRow("keywords empty") << "t"
                                    << "d"
                                    << ""
                                    << "Please enter a value into the keywords field";
}

void TestForm1Build::emptyFieldIsReportedAndChangesNothing()
{
    QFETCH(QString, title);
    QFETCH(QString, description);
    QFETCH(QString, keywords);
    QFETCH(QString, message);
    ui.texts["Form1.Text1"] = title;
    ui.texts["Form1.Text2"] = description;
    ui.texts["Form1.Text3"] = keywords;
    const auto before = ui.texts;

    Form1::mnuBuild_Click(ui);

    QCOMPARE(ui.log, QStringList{"messageBox 16 Error|" + message});
    QCOMPARE(ui.texts, before);
}

void TestForm1Build::writesTheBlockInThreeSteps()
{
    ui.texts["Form1.Text1"] = "Acme Tools";
    ui.texts["Form1.Text2"] = "Hand tools for sale";
    ui.texts["Form1.Text3"] = "hammer,saw";

    Form1::mnuBuild_Click(ui);

    const QString title = "<TITLE>Acme Tools</TITLE>";
    const QString description = "<meta name=\"description\" content=\"Hand tools for sale\">";
    const QString keywords = "<meta name=\"keywords\" content=\"hammer,saw\">";
    QCOMPARE(ui.log, (QStringList{"setText Form1.Text4 " + title, "setText Form1.Text4 " + title + description,
                                  "setText Form1.Text4 " + title + description + keywords}));
}

void TestForm1Build::replacesWhateverTheBoxHeld()
{
    ui.texts["Form1.Text1"] = "a";
    ui.texts["Form1.Text2"] = "b";
    ui.texts["Form1.Text3"] = "c";

    Form1::mnuBuild_Click(ui);
    const QString once = ui.texts["Form1.Text4"];
    ui.texts["Form1.Text4"] = once + " edited by hand";
    Form1::mnuBuild_Click(ui);

    QCOMPARE(ui.texts["Form1.Text4"], once);
    QCOMPARE(once.count("<TITLE>"), 1);
}

QTEST_APPLESS_MAIN(TestForm1Build)
#include "tst_form1_build.moc"
