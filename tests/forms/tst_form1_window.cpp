#include "app_fixture.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

// The main window as the program shows it at start, against the design.
class TestForm1Window : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void frame();
    void geometry_data();
    void geometry();
    void frontToBack_data();
    void frontToBack();
    void initialContent();
    void tabOrder();
    void menuTree();
    void shortcutsBuild_data();
    void shortcutsBuild();
    void boxesKeepWhatIsTyped();
    void screenReadersNameEachBoxAfterItsLabel();

private:
    QString text(const char* box) const { return program->toolkit.text({WindowId::Form1, box}); }

    std::unique_ptr<RunningProgram> program;
    QMainWindow* window = nullptr;
};

void TestForm1Window::init()
{
    program = std::make_unique<RunningProgram>();
    window = qobject_cast<QMainWindow*>(program->show(WindowId::Form1));
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void TestForm1Window::cleanup()
{
    program.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestForm1Window::frame()
{
    QCOMPARE(window->windowTitle(), "Orbeck Kestrine");
    const QWidget* client = window->centralWidget();
    QCOMPARE(QRect(client->mapToGlobal(QPoint(0, 0)), client->size()), QRect(113, 211, 362, 299));
    QCOMPARE(window->size(), QSize(362, 299 + window->menuBar()->height()));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
}

void TestForm1Window::geometry_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("pixels"); // the design's twips divided by fifteen

    QTest::newRow("Text4") << "" << QRect(8, 152, 345, 105);
    QTest::newRow("Text2") << "" << QRect(8, 64, 345, 19);
    QTest::newRow("Text1") << "" << QRect(8, 24, 345, 19);
    QTest::newRow("Picture2") << "" << QRect(0, 0, 361, 265);
    QTest::newRow("Picture1") << "" << QRect(0, 272, 361, 25);
    QTest::newRow("Text3") << "Picture2" << QRect(8, 104, 345, 19);
    QTest::newRow("Label4") << "Picture2" << QRect(8, 128, 345, 17);
    QTest::newRow("Label3") << "Picture2" << QRect(8, 88, 169, 17);
    QTest::newRow("Label2") << "Picture2" << QRect(8, 48, 113, 17);
    QTest::newRow("Label1") << "Picture2" << QRect(8, 8, 89, 17);
    QTest::newRow("Image4") << "Picture1" << QRect(8, 0, 40, 21);
    QTest::newRow("Image3") << "Picture1" << QRect(8, 0, 40, 21);
    QTest::newRow("Image1") << "Picture1" << QRect(328, 0, 25, 23);
    QTest::newRow("Image2") << "Picture1" << QRect(320, 0, 30, 20);
}

void TestForm1Window::geometry()
{
    QFETCH(QString, container);
    QFETCH(QRect, pixels);
    const QWidget* control = program->control(WindowId::Form1, QTest::currentDataTag());
    QCOMPARE(control->parentWidget()->objectName(), container);
    QCOMPARE(control->geometry(), pixels);
    if (auto* image = qobject_cast<const QLabel*>(control); image && !image->pixmap().isNull())
        QCOMPARE(image->pixmap().deviceIndependentSize().toSize(), pixels.size()); // natural size
}

void TestForm1Window::frontToBack_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QStringList>("frontToBack");
    QTest::newRow("window") << "" << QStringList{"Text4", "Text2", "Text1", "Picture2", "Picture1"};
    QTest::newRow("Picture2") << "Picture2" << QStringList{"Text3", "Label4", "Label3", "Label2", "Label1"};
    QTest::newRow("Picture1") << "Picture1" << QStringList{"Image4", "Image3", "Image1", "Image2"};
}

void TestForm1Window::frontToBack()
{
    QFETCH(QString, container);
    QFETCH(QStringList, frontToBack);
    const QWidget* parent =
        container.isEmpty() ? window->centralWidget() : program->control(WindowId::Form1, qPrintable(container));
    QStringList stacked; // Qt paints later children over earlier ones
    for (const QObject* child : parent->children()) {
        if (child->isWidgetType() && !child->objectName().isEmpty())
            stacked.prepend(child->objectName());
    }
    QCOMPARE(stacked, frontToBack);
}

void TestForm1Window::initialContent()
{
    QCOMPARE(text("Text4"), "Once you select build, your meta tags will appear here. Insert the \r\n"
                            "following tags between the <HEAD> and </HEAD> tags in \r\n"
                            "your HTML page. \r\n");
    QCOMPARE(text("Text4").size(), 143);
    QCOMPARE(text("Text1") + text("Text2") + text("Text3"), QString());
    QStringList captions, shown;
    for (const char* label : {"Label1", "Label2", "Label3", "Label4"})
        captions << program->control<QLabel>(WindowId::Form1, label)->text();
    QCOMPARE(captions, (QStringList{"Web Site Name:", "Web Site Description:", "Keywords (Seperated by commas):",
                                    "Below are the Meta Tags based on your the information you provided. "}));
    for (const char* image : {"Image1", "Image2", "Image3", "Image4"})
        shown << (program->control(WindowId::Form1, image)->isVisible() ? "shown" : "hidden");
    QCOMPARE(shown, (QStringList{"hidden", "shown", "hidden", "shown"}));
}

void TestForm1Window::tabOrder()
{
    QStringList order;
    for (int i = 0; i < 7; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, (QStringList{"Picture1", "Picture2", "Text1", "Text2", "Text3", "Text4", "Picture1"}));
}

void TestForm1Window::menuTree()
{
    QStringList tree;
    for (QAction* top : window->menuBar()->actions()) {
        tree << top->objectName() + u' ' + top->text();
        for (QAction* item : top->menu()->actions())
            tree << QStringLiteral("  %1 %2 %3")
                        .arg(item->objectName(), item->isSeparator() ? "-" : item->text(), item->shortcut().toString());
    }
    QCOMPARE(tree, (QStringList{"mnuFile &File", "  mnuBuild &Build Ctrl+B", "  mnuSave &Save To File Ctrl+S",
                                "  sepbar1 - ", "  mnuClear &Clear Fields ", "  sepbar2 - ", "  mnuExit E&xit ",
                                "mnuHelp &Help", "  mnuHowTo &How to ", "  mnuWebMasters &Web Master Resources ",
                                "  mnuSearchEngine Search Engine &Tactics ", "  sepbar3 - ", "  mnuAbout &About "}));
}

void TestForm1Window::shortcutsBuild_data()
{
    QTest::addColumn<bool>("throughTheMenu");
    QTest::newRow("Ctrl+B, menu closed") << false;
    QTest::newRow("Alt+F, then B") << true;
}

void TestForm1Window::shortcutsBuild()
{
    QFETCH(bool, throughTheMenu);
    program->toolkit.setText({WindowId::Form1, "Text1"}, "Acme");
    program->toolkit.setText({WindowId::Form1, "Text2"}, "Hand \"tools\"");
    program->toolkit.setText({WindowId::Form1, "Text3"}, "saw");
    if (throughTheMenu) {
        QTest::keyClick(window, Qt::Key_F, Qt::AltModifier);
        auto* file = window->findChild<QMenu*>("mnuFile");
        QTRY_VERIFY(file->isVisible());
        QTest::keyClick(file, Qt::Key_B);
    } else {
        QTest::keyClick(program->control(WindowId::Form1, "Text2"), Qt::Key_B, Qt::ControlModifier);
    }
    QTRY_COMPARE(text("Text4"), "<TITLE>Acme</TITLE><meta name=\"description\" content=\"Hand &quot;tools&quot;\">"
                                "<meta name=\"keywords\" content=\"saw\">");
    QCOMPARE(QApplication::focusWidget()->objectName(), "Picture1"); // Build moves no focus
    auto* output = program->control<QPlainTextEdit>(WindowId::Form1, "Text4");
    QVERIFY(!output->document()->isUndoAvailable()); // as after one replacement of the text
    QCOMPARE(output->textCursor().position(), 0);
}

void TestForm1Window::boxesKeepWhatIsTyped()
{
    auto* name = program->control<QLineEdit>(WindowId::Form1, "Text1");
    QTest::keyClicks(name, "one");
    QTest::keyClick(name, Qt::Key_Return);
    QTest::keyClicks(name, "two");
    QCOMPARE(text("Text1"), "onetwo");

    const QString longText(100000, u'x'); // no length limit
    program->toolkit.setText({WindowId::Form1, "Text2"}, longText);
    QCOMPARE(text("Text2"), longText);

    auto* output = program->control<QPlainTextEdit>(WindowId::Form1, "Text4");
    output->clear();
    QTest::keyClicks(output, "a\u00a0b");
    QTest::keyClick(output, Qt::Key_Return);
    QTest::keyClicks(output, "c");
    QCOMPARE(text("Text4"), "a\u00a0b\r\nc"); // lines end the platform's way; no-break space kept
}

void TestForm1Window::screenReadersNameEachBoxAfterItsLabel()
{
    QStringList names;
    for (const char* box : {"Text1", "Text2", "Text3", "Text4"}) {
        QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(program->control(WindowId::Form1, box));
        QCOMPARE(seen->role(), QAccessible::EditableText);
        names << seen->text(QAccessible::Name);
    }
    QCOMPARE(names, (QStringList{"Web Site Name", "Web Site Description", "Keywords (Seperated by commas)",
                                 "Below are the Meta Tags based on your the information you provided."}));
}

QTEST_MAIN(TestForm1Window)
#include "tst_form1_window.moc"
