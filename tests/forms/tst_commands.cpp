#include "app/dispatch.h"
#include "fake_toolkit.h"
#include "forms/Form1/form1_commands.h"

#include <QTest>
#include <optional>

// Every handler as the dispatch table reaches it, against the recording
// toolkit: what it reads, writes and shows, in order.
class TestCommands : public QObject {
    Q_OBJECT

private slots:
    void init();
    void build_data();
    void build();
    void commands_data();
    void commands();
    void hover_data();
    void hover();
    void nothingRunsOnceStopped();
    void companionProgramBesideTheProgram();

private:
    FakeToolkit ui;
    std::optional<Dispatcher> dispatcher;
};

void TestCommands::init()
{
    ui = FakeToolkit();
    dispatcher.emplace(dispatchTable());
}

void TestCommands::build_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("expected");

    const QString error = "messageBox 16 Error|Please enter a value into the %1 field";
    QTest::newRow("all empty: the title first") << QStringList{"", "", ""} << QStringList{error.arg("title")};
    QTest::newRow("description") << QStringList{"t", "", ""} << QStringList{error.arg("description")};
    QTest::newRow("keywords") << QStringList{"t", "d", ""} << QStringList{error.arg("keywords")};
    const QString title = "setText Form1.Text4 <TITLE> </TITLE>";
    const QString description = "<meta name=\"description\" content=\"d\">";
    QTest::newRow("three writes, each appended to the box")
        << QStringList{" ", "d", "k"}
        << QStringList{title, title + description, title + description + "<meta name=\"keywords\" content=\"k\">"};
}

void TestCommands::build()
{
    QFETCH(QStringList, fields);
    QFETCH(QStringList, expected);
    ui.texts = {{"Form1.Text1", fields[0]},
                {"Form1.Text2", fields[1]},
                {"Form1.Text3", fields[2]},
                {"Form1.Text4", "held before"}};
    const auto before = ui.texts;
    dispatcher->dispatch(ui, WindowId::Form1, "mnuBuild", Event::Click);
    QCOMPARE(ui.log, expected);
    if (expected.size() == 1) // a failed check changes nothing
        QCOMPARE(ui.texts, before);
}

void TestCommands::commands_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("expected");

    const int form1 = int(WindowId::Form1), form2 = int(WindowId::Form2), about = int(WindowId::aboutmeta);
    const QString exit = "messageBox 4 Confirm Exit|Are you sure you want to quit?";
    QTest::newRow("Clear Fields") << form1 << "mnuClear" << QList<int>{}
                                  << QStringList{"setText Form1.Text1 ", "setText Form1.Text2 ", "setText Form1.Text3 ",
                                                 "setText Form1.Text4 Once you select build, your meta tags will "
                                                 "appear here. Insert the following tags between the <HEAD> and "
                                                 "</HEAD> tags in your HTML page."};
    QTest::newRow("Exit, Yes") << form1 << "mnuExit" << QList<int>{6} << QStringList{exit, "endProgram"};
    QTest::newRow("Exit, No") << form1 << "mnuExit" << QList<int>{7} << QStringList{exit};
    QTest::newRow("How to, three paragraphs, no title of its own")
        << form1 << "mnuHowTo" << QList<int>{}
        << QStringList{"messageBox 0 |Simply enter the requested information into the provided text boxes and "
                       "click build.\r\rThe Program will generate your meta tags into the bottom text box for you to "
                       "copy and paste into your HTML document.\r\rOr you may choose to save the tags into a text "
                       "file for future reference."};
    QTest::newRow("Web Master Resources")
        << form1 << "mnuWebMasters" << QList<int>{} << QStringList{"showWindow Form2"};
    QTest::newRow("About") << form1 << "mnuAbout" << QList<int>{} << QStringList{"showWindow aboutmeta"};
    QTest::newRow("About's resources link") << about << "Label4" << QList<int>{} << QStringList{"showWindow Form2"};
    QTest::newRow("Form2's OK") << form2 << "Command1" << QList<int>{} << QStringList{"closeWindow Form2"};
    QTest::newRow("About's OK") << about << "Command1" << QList<int>{} << QStringList{"closeWindow aboutmeta"};
    QTest::newRow("pin") << form1 << "Image2" << QList<int>{}
                         << QStringList{"setVisible Form1.Image2 false", "setVisible Form1.Image1 true",
                                        "setStaysOnTop Form1 true"};
    QTest::newRow("release") << form1 << "Image1" << QList<int>{}
                             << QStringList{"setVisible Form1.Image1 false", "setVisible Form1.Image2 true",
                                            "setStaysOnTop Form1 false"};
    // Controls with no handler do nothing.
    for (const char* none : {"Image3", "Image4", "Label1", "Picture2", "Text4", "sepbar1", "mnuFile"})
        QTest::newRow(none) << form1 << none << QList<int>{} << QStringList{};
    QTest::newRow("Form2's sentence under the link") << form2 << "Label2" << QList<int>{} << QStringList{};
    QTest::newRow("About's heading") << about << "Label8" << QList<int>{} << QStringList{};
}

void TestCommands::commands()
{
    QFETCH(int, window);
    QFETCH(QString, control);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, expected);
    ui.boxAnswers = answers;
    dispatcher->dispatch(ui, WindowId(window), control.toStdString(), Event::Click);
    QCOMPARE(ui.log, expected);
}

void TestCommands::hover_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("blue"); // the link that turns blue; the other two turn black

    QTest::newRow("Label4") << "Label4"
                            << "Label4";
    QTest::newRow("Label5") << "Label5"
                            << "Label5";
    QTest::newRow("Label7") << "Label7"
                            << "Label7";
    for (const char* plain :
         {"Form", "Frame1", "Command1", "Image1", "Label1", "Label2", "Label3", "Label6", "Label8", "Label9"})
        QTest::newRow(plain) << plain << "";
    QTest::newRow("Label10 leaves them") << "Label10"
                                         << "none";
    QTest::newRow("Line1 has no events of its own") << "Line1"
                                                    << "none";
}

void TestCommands::hover()
{
    QFETCH(QString, control);
    QFETCH(QString, blue);
    dispatcher->dispatch(ui, WindowId::aboutmeta, control.toStdString(), Event::MouseMove, {1, 2, 30, 40});
    QStringList expected;
    for (const char* link : {"Label4", "Label5", "Label7"}) {
        if (blue != "none")
            expected << QStringLiteral("setTextColor aboutmeta.%1 %2").arg(link, blue == link ? "0000ff" : "text");
    }
    QCOMPARE(ui.log, expected);
    QVERIFY(!dispatcher->dispatch(ui, WindowId::Form2, control.toStdString(), Event::MouseMove));
}

void TestCommands::nothingRunsOnceStopped()
{
    dispatcher->stop();
    QVERIFY(!dispatcher->dispatch(ui, WindowId::Form1, "mnuClear", Event::Click));
    QVERIFY(ui.log.isEmpty());
}

void TestCommands::companionProgramBesideTheProgram()
{
    QCOMPARE(Form1::companionProgramPath("/home/a b/it's \"here\""), "/home/a b/it's \"here\"/qorvel");
}

QTEST_APPLESS_MAIN(TestCommands)
#include "tst_commands.moc"
