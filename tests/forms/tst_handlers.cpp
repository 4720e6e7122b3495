#include "app/dispatch.h"
#include "fake_toolkit.h"

#include <QTest>

// The main window's commands and the About window's hover, run through the
// program's dispatch table against the recording toolkit: what each handler
// reads, writes and shows, in order. A fresh toolkit per row; the handlers
// themselves live on, so a handler that kept anything from an earlier row
// would show it.
class TestHandlers : public QObject {
    Q_OBJECT

private slots:
    void click_data();
    void click();
    void hover_data();
    void hover();
    void nothingRunsOnceStopped();
};

void TestHandlers::click_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("boxes"); // Text1 to Text4 of the main window
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("expected");
    const QStringList filled{"Acme", "d", "k", "held before"};

    const QString missing = "messageBox 16 Error|Please enter a value into the %1 field";
    QTest::newRow("Build, all empty: the title first")
        << "mnuBuild" << QStringList{"", "", "", "x"} << QList<int>{} << QStringList{missing.arg("title")};
    QTest::newRow("Build, no description")
        << "mnuBuild" << QStringList{"t", "", "", "x"} << QList<int>{} << QStringList{missing.arg("description")};
    QTest::newRow("Build, no keywords") << "mnuBuild" << QStringList{"t", "d", "", "x"} << QList<int>{}
                                        << QStringList{missing.arg("keywords")};
    const QString title = "setText Form1.Text4 <TITLE>Acme</TITLE>";
    const QString description = "<meta name=\"description\" content=\"d\">";
    QTest::newRow("Build, each element appended to the box")
        << "mnuBuild" << filled << QList<int>{}
        << QStringList{title, title + description, title + description + "<meta name=\"keywords\" content=\"k\">"};
    QTest::newRow("Build again, nothing kept from before")
        << "mnuBuild" << QStringList{" ", "e", "l", "x"} << QList<int>{}
        << QStringList{"setText Form1.Text4 <TITLE> </TITLE>",
                       "setText Form1.Text4 <TITLE> </TITLE><meta name=\"description\" content=\"e\">",
                       "setText Form1.Text4 <TITLE> </TITLE><meta name=\"description\" content=\"e\">"
                       "<meta name=\"keywords\" content=\"l\">"};
    QTest::newRow("Save, empty box: red light only while told")
        << "mnuSave" << QStringList{"a", "b", "c", ""} << QList<int>{}
        << QStringList{"setVisible Form1.Image3 true", "setVisible Form1.Image4 false",
                       "messageBox 16 Error|Please build your Meta Tags before saving", "setVisible Form1.Image3 false",
                       "setVisible Form1.Image4 true"};
    QTest::newRow("Save, dialog cancelled") << "mnuSave" << filled << QList<int>{}
                                            << QStringList{"setSaveDialogFilter Form1.CMDialog1 Text Files(*.txt)|"
                                                           "*.txt|All Files(*.*)|*.*|",
                                                           "showSaveDialog Form1.CMDialog1"};
    QTest::newRow("Clear Fields") << "mnuClear" << filled << QList<int>{}
                                  << QStringList{"setText Form1.Text1 ", "setText Form1.Text2 ", "setText Form1.Text3 ",
                                                 "setText Form1.Text4 Once you select build, your meta tags will "
                                                 "appear here. Insert the following tags between the <HEAD> and "
                                                 "</HEAD> tags in your HTML page."};
    const QString exit = "messageBox 4 Confirm Exit|Are you sure you want to quit?";
    QTest::newRow("Exit, Yes") << "mnuExit" << filled << QList<int>{6} << QStringList{exit, "endProgram"};
    QTest::newRow("Exit, No") << "mnuExit" << filled << QList<int>{7} << QStringList{exit};
    QTest::newRow("How to, three paragraphs, no title of its own")
        << "mnuHowTo" << filled << QList<int>{}
        << QStringList{"messageBox 0 |Simply enter the requested information into the provided text boxes and "
                       "click build.\r\rThe Program will generate your meta tags into the bottom text box for you to "
                       "copy and paste into your HTML document.\r\rOr you may choose to save the tags into a text "
                       "file for future reference."};
    // Showing and closing windows, starting the companion program and the
    // pushpin are checked on the real windows and program.
}

void TestHandlers::click()
{
    QFETCH(QString, control);
    QFETCH(QStringList, boxes);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, expected);
    FakeToolkit ui;
    for (int i = 0; i < 4; ++i)
        ui.texts[QStringLiteral("Form1.Text%1").arg(i + 1)] = boxes[i];
    ui.boxAnswers = answers;
    const auto before = ui.texts;
    Dispatcher(dispatchTable()).dispatch(ui, WindowId::Form1, control.toStdString(), Event::Click);
    QCOMPARE(ui.log, expected);
    if (!expected.join(' ').contains("setText"))
        QCOMPARE(ui.texts, before);
}

void TestHandlers::hover_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("blue"); // the link that turns blue; the others take the text colour
    for (const char* link : {"Label4", "Label5", "Label7"})
        QTest::newRow(link) << link << link;
    for (const char* plain :
         {"Form", "Frame1", "Command1", "Image1", "Label1", "Label2", "Label3", "Label6", "Label8", "Label9"})
        QTest::newRow(plain) << plain << "";
    QTest::newRow("Label10 leaves them") << "Label10"
                                         << "none";
    QTest::newRow("Line1 has no events of its own") << "Line1"
                                                    << "none";
}

void TestHandlers::hover()
{
    QFETCH(QString, control);
    QFETCH(QString, blue);
    FakeToolkit ui;
    Dispatcher(dispatchTable()).dispatch(ui, WindowId::aboutmeta, control.toStdString(), Event::MouseMove);
    QStringList expected;
    for (const char* link : {"Label4", "Label5", "Label7"}) {
        if (blue != "none")
            expected << QStringLiteral("setTextColor aboutmeta.%1 %2").arg(link, blue == link ? "0000ff" : "text");
    }
    QCOMPARE(ui.log, expected);
    // No mouse movement in the Web Master Resources window has a handler.
    QVERIFY(!Dispatcher(dispatchTable()).dispatch(ui, WindowId::Form2, control.toStdString(), Event::MouseMove));
}

void TestHandlers::nothingRunsOnceStopped()
{
    FakeToolkit ui;
    Dispatcher dispatcher(dispatchTable());
    dispatcher.stop();
    QVERIFY(!dispatcher.dispatch(ui, WindowId::Form1, "mnuClear", Event::Click));
    QVERIFY(ui.log.isEmpty());
}

QTEST_GUILESS_MAIN(TestHandlers)
#include "tst_handlers.moc"
