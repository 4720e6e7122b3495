#include "app/dispatch.h"
#include "compose/composer.h"
#include "design_place.h"
#include "fake_toolkit.h"

#include <QTest>
#include <algorithm>

// The main window's commands and the About window's hover, run through the
// program's dispatch table against the recording toolkit: what each handler
// reads, writes and shows, in order. A fresh toolkit per row; the handlers
// themselves live on, so a handler that kept anything from an earlier row
// would show it.
class TestHandlers : public QObject {
    Q_OBJECT

    // "Form1.Text4" and the like: every control, menu item and dialog that the
    // designs make. A handler may name no other.
    static QSet<QString> designed()
    {
        QSet<QString> names;
        const auto add = [&](Control control) { names.insert(FakeToolkit().key(control)); };
        for (WindowId window : {WindowId::Form1, WindowId::Form2, WindowId::aboutmeta})
            std::ranges::for_each(designRows(window), add, &design::ControlSpec::control);
        std::ranges::for_each(Form1Design::menus(), add, &Form1Design::MenuSpec::item);
        add(Form1Design::saveDialog().dialog);
        return names;
    }

private slots:
    void click_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("boxes"); // Text1 to Text4 of the main window, before and after
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QStringList>("expected"); // what else the handler asked for
        const QStringList filled{"Acme", "d", "k", "held before"};

        const QString missing = "messageBox 16 Error|Please enter a value into the %1 field";
        QTest::newRow("Build, all empty: the title first")
            << "mnuBuild" << QStringList{"", "", "", "x"} << QStringList{"", "", "", "x"}
            << QStringList{missing.arg("title")};
        QTest::newRow("Build, no description")
            << "mnuBuild" << QStringList{"t", "", "", "x"} << QStringList{"t", "", "", "x"}
            << QStringList{missing.arg("description")};
        QTest::newRow("Build, no keywords") << "mnuBuild" << QStringList{"t", "d", "", "x"}
                                            << QStringList{"t", "d", "", "x"} << QStringList{missing.arg("keywords")};
        QTest::newRow("Build, blanks are not empty; the block replaces the box")
            << "mnuBuild" << QStringList{" ", "e", "l", "x"}
            << QStringList{" ", "e", "l", compose::metaTags(" ", "e", "l")} << QStringList{};
        QTest::newRow("Save, empty box: red light only while told")
            << "mnuSave" << QStringList{"a", "b", "c", ""} << QStringList{"a", "b", "c", ""}
            << QStringList{"setVisible Form1.Image3 true", "setVisible Form1.Image4 false",
                           "messageBox 16 Error|Please build your Meta Tags before saving",
                           "setVisible Form1.Image3 false", "setVisible Form1.Image4 true"};
        QTest::newRow("Clear Fields") << "mnuClear" << filled
                                      << QStringList{"", "", "", Form1Design::clearedOutputText()} << QStringList{};
        QTest::newRow("Exit, No") << "mnuExit" << filled << filled
                                  << QStringList{"messageBox 4 Confirm Exit|Are you sure you want to quit?"};
        // Started or not, the companion program shows nothing.
        QTest::newRow("Search Engine Tactics") << "mnuSearchEngine" << filled << filled << QStringList{};
        // Showing and closing windows, Exit answered Yes and the pushpin are
        // checked on the real windows and program.
    }

    void click()
    {
        QFETCH(QString, control);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, after);
        QFETCH(QStringList, expected);
        FakeToolkit ui;
        const auto box = [](int i) { return QStringLiteral("Form1.Text%1").arg(i + 1); };
        for (int i = 0; i < 4; ++i)
            ui.texts[box(i)] = boxes[i];
        ui.boxAnswers = {MessageAnswer::No}; // to a question
        const std::string name = control.toStdString();
        Dispatcher(dispatchTable()).dispatch(ui, {WindowId::Form1, name}, Event::Click);
        QCOMPARE(ui.log, expected);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(ui.texts.value(box(i)), after[i]);
        QVERIFY(designed().contains(ui.named));
    }

    void hover_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("blue"); // the link that turns blue; the others take the text colour
        for (const char* link : {"Label4", "Label5", "Label7"})
            QTest::newRow(link) << link << link;
        for (const char* plain :
             {"Form", "Frame1", "Command1", "Image1", "Label1", "Label2", "Label3", "Label6", "Label8", "Label9"})
            QTest::newRow(plain) << plain << "";
    }

    void hover()
    {
        QFETCH(QString, control);
        QFETCH(QString, blue);
        FakeToolkit ui;
        const std::string name = control.toStdString();
        Dispatcher(dispatchTable()).dispatch(ui, {WindowId::aboutmeta, name}, Event::MouseMove);
        QStringList expected;
        for (const char* link : {"Label4", "Label5", "Label7"})
            expected << QStringLiteral("setTextColor aboutmeta.%1 %2").arg(link, blue == link ? "0000ff" : "text");
        QCOMPARE(ui.log, expected);
        QVERIFY(designed().contains(ui.named));
    }
};

QTEST_GUILESS_MAIN(TestHandlers)
#include "tst_handlers.moc"
