#include "app/dispatch_check.h"
#include "app_fixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>

// The Web Master Resources and About windows as designed, their hover
// highlighting under a real mouse, and the life of the windows.
class TestSecondaryWindows : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyDispatchRowNamesARealControl();
    void frame_data();
    void frame();
    void controls_data();
    void controls();
    void linkLabelLiesOverTheSentence();
    void hoverUnderTheMouse();
    void oneInstanceFromBothEntryPoints();
    void keys_data();
    void keys();
    void closingTheMainWindowLeavesTheOthers();
    void exitYesClosesEverything();

private:
    QColor colour(const char* link) const
    {
        return program->control(WindowId::aboutmeta, link)->palette().color(QPalette::WindowText);
    }

    std::unique_ptr<RunningProgram> program;
};

void TestSecondaryWindows::init()
{
    program = std::make_unique<RunningProgram>();
}

void TestSecondaryWindows::cleanup()
{
    program.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestSecondaryWindows::everyDispatchRowNamesARealControl()
{
    int checked = 0;
    for (const WindowId id : {WindowId::Form1, WindowId::Form2, WindowId::aboutmeta}) {
        const QWidget* window = program->show(id);
        const auto exists = [&](std::string_view name) { return ++checked, hasControl(*window, name); };
        QCOMPARE(program->dispatcher.rowsWithoutControl(id, exists).size(), std::size_t(0));
        // A misspelt row is found.
        QVERIFY(!hasControl(*window, "mnuBiuld"));
    }
    const auto form = std::ranges::count(dispatchTable(), kWindowItself, &DispatchEntry::control);
    QCOMPARE(checked + form, qsizetype(dispatchTable().size()));
}

void TestSecondaryWindows::frame_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("client");
    QTest::newRow("Form2") << int(WindowId::Form2) << "Web Master Resources" << QRect(142, 217, 289, 193);
    QTest::newRow("aboutmeta") << int(WindowId::aboutmeta) << "About this program" << QRect(114, 234, 409, 270);
}

void TestSecondaryWindows::frame()
{
    QFETCH(int, window);
    QFETCH(QString, caption);
    QFETCH(QRect, client);
    QWidget* shown = program->show(WindowId(window));
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    QCOMPARE(shown->windowTitle(), caption);
    QCOMPARE(shown->geometry(), client);
    QCOMPARE(shown->minimumSize(), shown->maximumSize());
    QVERIFY(!(shown->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!shown->parentWidget()); // not owned by the window that showed it
    QCOMPARE(QApplication::focusWidget(), program->control(WindowId(window), "Command1"));
}

void TestSecondaryWindows::controls_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<QString>("caption"); // "|" first: centred
    QTest::addColumn<bool>("upArrow");

    auto row = [](const char* tag, WindowId window, const char* container, QRect pixels, const QString& caption,
                  bool upArrow = false) {
        QTest::newRow(tag) << int(window) << container << pixels << caption << upArrow;
    };
    using enum WindowId;
    row("Form2 Command1", Form2, "Form2", {112, 160, 49, 25}, "OK");
    row("Form2 Label3", Form2, "Form2", {8, 120, 273, 33}, QString(131, u' ') + "www.hollisway.example", true);
    row("Form2 Label2", Form2, "Form2", {8, 120, 273, 33},
        "Check them out by clicking on there logo above, or pointing your browser to");
    row("Form2 Label1", Form2, "Form2", {8, 40, 273, 65},
        "Attention Web Masters!" + QString(48, u' ') +
            "Hollisway is a resource for webmasters, providing gobs and gobs of info for anyone looking into "
            "sponsors, promotion, hosting, discussion, or just about anything else a webmaster might be looking "
            "for." +
            QString(130, u' '));
    row("Form2 Image1", Form2, "Form2", {8, 8, 276, 28}, {}, true);
    row("Command1", aboutmeta, "aboutmeta", {168, 240, 81, 25}, "&OK");
    row("Frame1", aboutmeta, "aboutmeta", {8, 0, 393, 193}, {});
    row("Label10", aboutmeta, "aboutmeta", {8, 200, 393, 33},
        "The Hollisway logo is used with permission. Hollisway and its logo are copyright Hollisway Media.");
    row("Label4", aboutmeta, "Frame1", {168, 168, 209, 17}, "Web Masters, Click here for more resources");
    row("Label9", aboutmeta, "Frame1", {168, 24, 209, 17}, "|Last Build Date: 07/09/99");
    row("Label1", aboutmeta, "Frame1", {176, 8, 209, 17}, "|Orbeck Kestrine");
    row("Label8", aboutmeta, "Frame1", {176, 88, 209, 17}, "|Orbeck Software Homepage", true);
    row("Image1", aboutmeta, "Frame1", {8, 16, 150, 171}, {}, true);
    row("Label2", aboutmeta, "Frame1", {168, 40, 209, 17}, "|© 1998-1999 Orbeck Software");
    row("Label3", aboutmeta, "Frame1", {168, 56, 209, 17}, "|All Rights Reserved");
    row("Label5", aboutmeta, "Frame1", {160, 104, 225, 17}, "|http://www.orbeck.example", true);
    row("Label6", aboutmeta, "Frame1", {168, 128, 209, 17}, "|For other Shareware and Freeware visit");
    row("Label7", aboutmeta, "Frame1", {168, 144, 209, 17}, "|Q U A R R E N D A L E", true);
    row("Line1", aboutmeta, "Frame1", {176, 80, 208, 1}, {});
}

void TestSecondaryWindows::controls()
{
    QFETCH(int, window);
    QFETCH(QString, container);
    QFETCH(QRect, pixels);
    QFETCH(QString, caption);
    QFETCH(bool, upArrow);
    program->show(WindowId(window));
    const QWidget* widget =
        program->control(WindowId(window), qPrintable(QString(QTest::currentDataTag()).section(u' ', -1)));
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->geometry(), pixels);
    QCOMPARE(widget->cursor().shape(), upArrow ? Qt::UpArrowCursor : Qt::ArrowCursor);
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        QCOMPARE(button->text(), caption);
    auto* label = qobject_cast<const QLabel*>(widget);
    if (label && label->pixmap().isNull()) {
        QCOMPARE(bool(label->alignment() & Qt::AlignHCenter), caption.startsWith(u'|'));
        QCOMPARE(label->text(), caption.startsWith(u'|') ? caption.mid(1) : caption);
    } else if (label) {
        QCOMPARE(label->pixmap().deviceIndependentSize().toSize(), pixels.size());
    }
}

void TestSecondaryWindows::linkLabelLiesOverTheSentence()
{
    QWidget* form2 = program->show(WindowId::Form2);
    for (const QPoint at : {QPoint(20, 125), QPoint(270, 125), QPoint(20, 150)})
        QCOMPARE(form2->childAt(at)->objectName(), "Label3");
    QVERIFY(!program->control(WindowId::Form2, "Label3")->autoFillBackground());
}

void TestSecondaryWindows::hoverUnderTheMouse()
{
    QWidget* about = program->show(WindowId::aboutmeta);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    const QColor design = colour("Label5"), blue(0, 0, 255), black(0, 0, 0);
    auto moveOnto = [&](const char* name) {
        QWidget* target = program->control(WindowId::aboutmeta, name);
        QTest::mouseMove(target, target->rect().center());
    };
    auto colours = [&] { return QList<QColor>{colour("Label4"), colour("Label5"), colour("Label7")}; };

    moveOnto("Label5");
    QCOMPARE(colours(), (QList<QColor>{black, blue, black}));
    moveOnto("Label7");
    QCOMPARE(colours(), (QList<QColor>{black, black, blue}));
    moveOnto("Label10"); // leaves the colours as they were
    QCOMPARE(colours(), (QList<QColor>{black, black, blue}));
    moveOnto("Label4");
    moveOnto("Line1"); // belongs to the frame
    QCOMPARE(colours(), (QList<QColor>{black, black, black}));
    moveOnto("Label4");
    QTest::mouseMove(about, QPoint(2, 260)); // the window's own background
    QCOMPARE(colours(), (QList<QColor>{black, black, black}));

    // Closed and shown again, the links are back in their design colour.
    moveOnto("Label5");
    QTest::mouseClick(program->control(WindowId::aboutmeta, "Command1"), Qt::LeftButton);
    QTRY_VERIFY(!program->toolkit.window(WindowId::aboutmeta));
    program->show(WindowId::aboutmeta);
    QCOMPARE(colour("Label5"), design);
}

void TestSecondaryWindows::oneInstanceFromBothEntryPoints()
{
    auto* main = qobject_cast<QMainWindow*>(program->show(WindowId::Form1));
    auto openCount = [](const char* name) {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::count_if(windows.begin(), windows.end(),
                             [&](QWidget* top) { return top->objectName() == name && top->isVisible(); });
    };
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

    form2->close(); // destroyed; shown again, it is made anew
    QTRY_VERIFY(!program->toolkit.window(WindowId::Form2));
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    QCOMPARE(openCount("Form2"), 1);
}

void TestSecondaryWindows::keys_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Form2 Escape") << int(WindowId::Form2) << QKeyCombination(Qt::Key_Escape) << false;
    QTest::newRow("Form2 Enter") << int(WindowId::Form2) << QKeyCombination(Qt::Key_Return) << true;
    QTest::newRow("Form2 Space") << int(WindowId::Form2) << QKeyCombination(Qt::Key_Space) << true;
    QTest::newRow("About Escape") << int(WindowId::aboutmeta) << QKeyCombination(Qt::Key_Escape) << false;
    QTest::newRow("About Enter") << int(WindowId::aboutmeta) << QKeyCombination(Qt::Key_Enter) << true;
    QTest::newRow("About Alt+O") << int(WindowId::aboutmeta) << QKeyCombination(Qt::AltModifier, Qt::Key_O) << true;
}

void TestSecondaryWindows::keys()
{
    QFETCH(int, window);
    QFETCH(QKeyCombination, key);
    QFETCH(bool, closes);
    QWidget* shown = program->show(WindowId(window));
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    if (closes)
        QTRY_VERIFY(!program->toolkit.window(WindowId(window)));
    else
        QVERIFY(program->toolkit.window(WindowId(window))->isVisible());
}

void TestSecondaryWindows::closingTheMainWindowLeavesTheOthers()
{
    QWidget* main = program->show(WindowId::Form1);
    program->show(WindowId::aboutmeta);
    main->close();
    QTRY_VERIFY(!program->toolkit.window(WindowId::Form1));
    QVERIFY(program->toolkit.window(WindowId::aboutmeta)->isVisible());
}

void TestSecondaryWindows::exitYesClosesEverything()
{
    auto* main = qobject_cast<QMainWindow*>(program->show(WindowId::Form1));
    program->show(WindowId::Form2);
    program->show(WindowId::aboutmeta);
    whenModalOpens([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QCOMPARE(box->windowTitle(), "Confirm Exit");
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
        box->defaultButton()->click();
    });
    main->findChild<QAction*>("mnuExit")->trigger();
    for (WindowId id : {WindowId::Form1, WindowId::Form2, WindowId::aboutmeta})
        QVERIFY(!program->toolkit.window(id)->isVisible());
    QVERIFY(program->dispatcher.stopped());
}

QTEST_MAIN(TestSecondaryWindows)
#include "tst_secondary_windows.moc"
