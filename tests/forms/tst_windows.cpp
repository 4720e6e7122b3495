#include "app/dispatch_check.h"
#include "app_fixture.h"
#include "forms/Form1/form1_design.h"
#include "forms/Form2/form2_design.h"
#include "forms/aboutmeta/aboutmeta_design.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

// The three windows as the program builds them from their designs, and their
// life: keys, one copy each, the end of the program. Real widgets, offscreen.
class TestWindows : public QObject {
    Q_OBJECT

private slots:
    void init() { program = std::make_unique<RunningProgram>(); }
    void cleanup();
    void builtAsDesigned_data();
    void builtAsDesigned();
    void everyDispatchRowNamesARealControl();
    void buildByKeys_data();
    void buildByKeys();
    void pinSwapsItsPictures();
    void oneCopyOfEachWindow();
    void keys_data();
    void keys();
    void exitYesHidesEveryWindow();
    void closingTheMainWindowLeavesTheOthers();

private:
    std::unique_ptr<RunningProgram> program;
};

void TestWindows::cleanup()
{
    program.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestWindows::builtAsDesigned_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QRect>("client"); // on the screen
    QTest::newRow("Form1") << int(WindowId::Form1) << QRect(113, 211, 362, 299);
    QTest::newRow("Form2") << int(WindowId::Form2) << QRect(142, 217, 289, 193);
    QTest::newRow("aboutmeta") << int(WindowId::aboutmeta) << QRect(114, 234, 409, 270);
}

void TestWindows::builtAsDesigned()
{
    QFETCH(int, window);
    QFETCH(QRect, client);
    QWidget* shown = program->show(WindowId(window));
    auto* main = qobject_cast<QMainWindow*>(shown);
    const QWidget* area = main ? main->centralWidget() : shown;
    QCOMPARE(QRect(area->mapToGlobal(QPoint(0, 0)), area->size()), client);
    QCOMPARE(shown->minimumSize(), shown->maximumSize());
    QVERIFY(!(shown->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

    const std::span<const design::ControlSpec> rows =
        std::array{Form1Design::controls(), Form2Design::controls(), aboutmetaDesign::controls()}[std::size_t(window)];
    QMap<int, QWidget*> byTab;
    QMap<QString, QStringList> frontToBack, stacked;
    for (const design::ControlSpec& row : rows) {
        const auto* control = shown->findChild<QWidget*>(row.name);
        QVERIFY2(control, row.name);
        const QWidget* container = control->parentWidget();
        QCOMPARE(container == area ? QString() : container->objectName(), QString(row.container));
        const QRect designed(design::px(row.left), design::px(row.top), design::px(row.width), design::px(row.height));
        // A line of no height is drawn one pixel thick.
        QCOMPARE(control->geometry(), designed.adjusted(0, 0, 0, designed.height() ? 0 : 1));
        QVERIFY2(container->rect().contains(control->geometry()), row.name);
        QCOMPARE(control->isVisibleTo(shown), !(row.options & design::Hidden));
        if (control->focusPolicy() & Qt::TabFocus)
            byTab[row.tab] = const_cast<QWidget*>(control);
        frontToBack[row.container] << row.name;
    }
    // Qt paints later children over earlier ones.
    for (const QString& container : frontToBack.keys()) {
        const QWidget* parent = container.isEmpty() ? area : shown->findChild<QWidget*>(container);
        for (const QObject* child : parent->children()) {
            if (child->isWidgetType() && frontToBack[container].contains(child->objectName()))
                stacked[container].prepend(child->objectName());
        }
    }
    QCOMPARE(stacked, frontToBack);
    // The focus starts at the lowest tab index and follows the indexes.
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QCOMPARE(QApplication::focusWidget(), byTab.first());
    for (auto it = byTab.begin(); std::next(it) != byTab.end(); ++it)
        QCOMPARE(it.value()->nextInFocusChain(), std::next(it).value());
}

void TestWindows::everyDispatchRowNamesARealControl()
{
    int checked = 0;
    for (const WindowId id : {WindowId::Form1, WindowId::Form2, WindowId::aboutmeta}) {
        const QWidget* window = program->show(id);
        const auto exists = [&](std::string_view name) { return ++checked, hasControl(*window, name); };
        QCOMPARE(program->dispatcher.rowsWithoutControl(id, exists).size(), std::size_t(0));
        QVERIFY(!hasControl(*window, "mnuBiuld"));
    }
    const auto itself = std::ranges::count(dispatchTable(), kWindowItself, &DispatchEntry::control);
    QCOMPARE(checked + itself, qsizetype(dispatchTable().size()));
}

void TestWindows::buildByKeys_data()
{
    QTest::addColumn<bool>("throughTheMenu");
    QTest::newRow("Ctrl+B, menu closed") << false;
    QTest::newRow("Alt+F, then B") << true;
}

void TestWindows::buildByKeys()
{
    QFETCH(bool, throughTheMenu);
    auto* window = qobject_cast<QMainWindow*>(program->show(WindowId::Form1));
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto build = [&](const QString& name) {
        program->toolkit.setText({WindowId::Form1, "Text1"}, name);
        if (throughTheMenu) {
            QTest::keyClick(window, Qt::Key_F, Qt::AltModifier);
            auto* file = window->findChild<QMenu*>("mnuFile");
            QTRY_VERIFY(file->isVisible());
            QTest::keyClick(file, Qt::Key_B);
        } else {
            QTest::keyClick(program->control(WindowId::Form1, "Text2"), Qt::Key_B, Qt::ControlModifier);
        }
    };
    program->toolkit.setText({WindowId::Form1, "Text2"}, "d");
    program->toolkit.setText({WindowId::Form1, "Text3"}, "k");
    build("First");
    build("Second");
    const QString second = program->toolkit.text({WindowId::Form1, "Text4"});
    QCOMPARE(second, "<TITLE>Second</TITLE><meta name=\"description\" content=\"d\">"
                     "<meta name=\"keywords\" content=\"k\">");
    auto* output = program->control<QPlainTextEdit>(WindowId::Form1, "Text4");
    QCOMPARE(output->toPlainText(), second);
    // What the user types into the box afterwards is what the box holds.
    output->moveCursor(QTextCursor::End);
    QTest::keyClicks(output, "!");
    QCOMPARE(program->toolkit.text({WindowId::Form1, "Text4"}), second + u'!');
    QCOMPARE(QApplication::focusWidget()->objectName(), "Picture1"); // Build moves no focus
}

void TestWindows::pinSwapsItsPictures()
{
    program->show(WindowId::Form1);
    for (const char* shown : {"Image1", "Image2"}) {
        QWidget* visible =
            program->control(WindowId::Form1, shown == QLatin1StringView("Image1") ? "Image2" : "Image1");
        QTest::mouseClick(visible, Qt::LeftButton, {}, visible->rect().center());
        QVERIFY(program->control(WindowId::Form1, shown)->isVisible() && !visible->isVisible());
    }
}

void TestWindows::oneCopyOfEachWindow()
{
    auto openCount = [](const char* name) {
        return std::ranges::count_if(QApplication::topLevelWidgets(),
                                     [&](QWidget* top) { return top->objectName() == name && top->isVisible(); });
    };
    QWidget* main = program->show(WindowId::Form1);
    main->findChild<QAction*>("mnuAbout")->trigger();
    main->findChild<QAction*>("mnuAbout")->trigger();
    QCOMPARE(openCount("aboutmeta"), 1);
    main->findChild<QAction*>("mnuWebMasters")->trigger();
    QWidget* form2 = program->toolkit.window(WindowId::Form2);
    QWidget* link = program->control(WindowId::aboutmeta, "Label4");
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    QCOMPARE(openCount("Form2"), 1);
    QCOMPARE(program->toolkit.window(WindowId::Form2), form2);
    QTRY_COMPARE(QApplication::activeWindow(), form2); // brought to the front
}

void TestWindows::keys_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Form2 Escape") << int(WindowId::Form2) << QKeyCombination(Qt::Key_Escape) << false;
    QTest::newRow("Form2 Enter") << int(WindowId::Form2) << QKeyCombination(Qt::Key_Return) << true;
    QTest::newRow("About Escape") << int(WindowId::aboutmeta) << QKeyCombination(Qt::Key_Escape) << false;
    QTest::newRow("About Space") << int(WindowId::aboutmeta) << QKeyCombination(Qt::Key_Space) << true;
    QTest::newRow("About Alt+O") << int(WindowId::aboutmeta) << QKeyCombination(Qt::AltModifier, Qt::Key_O) << true;
}

void TestWindows::keys()
{
    QFETCH(int, window);
    QFETCH(QKeyCombination, key);
    QFETCH(bool, closes);
    QVERIFY(QTest::qWaitForWindowActive(program->show(WindowId(window))));
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    if (closes)
        QTRY_VERIFY(!program->toolkit.window(WindowId(window)));
    else
        QVERIFY(program->toolkit.window(WindowId(window))->isVisible());
}

void TestWindows::exitYesHidesEveryWindow()
{
    QWidget* main = program->show(WindowId::Form1);
    program->show(WindowId::Form2);
    program->show(WindowId::aboutmeta);
    whenModalOpens([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        box->defaultButton()->click(); // Yes
    });
    main->findChild<QAction*>("mnuExit")->trigger();
    for (WindowId id : {WindowId::Form1, WindowId::Form2, WindowId::aboutmeta})
        QVERIFY(!program->toolkit.window(id)->isVisible());
    QVERIFY(program->dispatcher.stopped());
}

void TestWindows::closingTheMainWindowLeavesTheOthers()
{
    QWidget* main = program->show(WindowId::Form1);
    program->show(WindowId::aboutmeta);
    main->close();
    QTRY_VERIFY(!program->toolkit.window(WindowId::Form1));
    QVERIFY(program->toolkit.window(WindowId::aboutmeta)->isVisible());
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
