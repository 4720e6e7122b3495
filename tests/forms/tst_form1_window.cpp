#include "app_fixture.h"
#include "forms/Form1/form1_design.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
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
    void ctrlBBuildsWithoutOpeningTheMenu();
    void altFThenBBuilds();
    void buildReportsAnEmptyField();
    void boxesKeepWhatIsTyped();

private:
    Control text(const char* name) const { return {WindowId::Form1, name}; }
    void fillInputs();

    std::unique_ptr<RunningProgram> program;
    QMainWindow* window = nullptr;
};

void TestForm1Window::init()
{
    program = std::make_unique<RunningProgram>();
    window = qobject_cast<QMainWindow*>(program->show(WindowId::Form1));
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void TestForm1Window::cleanup()
{
    program.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestForm1Window::frame()
{
    QCOMPARE(window->objectName(), "Form1");
    QCOMPARE(window->windowTitle(), "Orbeck Kestrine");
    const QWidget* client = window->centralWidget();
    QCOMPARE(client->size(), QSize(362, 299));
    QCOMPARE(client->mapToGlobal(QPoint(0, 0)), QPoint(113, 211));
    QCOMPARE(window->size(), QSize(362, 299 + window->menuBar()->height()));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(!window->windowIcon().isNull());
}

void TestForm1Window::geometry_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("pixels");

    // The design's twips divided by fifteen.
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
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), container);
    QCOMPARE(control->geometry(), pixels);
    if (auto* image = qobject_cast<const QLabel*>(control); image && !image->pixmap().isNull())
        QCOMPARE(image->pixmap().deviceIndependentSize().toSize(), pixels.size());
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
    const QString initial = program->toolkit.text(text("Text4"));
    QCOMPARE(initial.size(), 143);
    QCOMPARE(initial, "Once you select build, your meta tags will appear here. Insert the \r\n"
                      "following tags between the <HEAD> and </HEAD> tags in \r\n"
                      "your HTML page. \r\n");
    for (const char* box : {"Text1", "Text2", "Text3"})
        QCOMPARE(program->toolkit.text(text(box)), QString());

    const QHash<QString, QString> captions{{"Label1", "Web Site Name:"},
                                           {"Label2", "Web Site Description:"},
                                           {"Label3", "Keywords (Seperated by commas):"},
                                           {"Label4", "Below are the Meta Tags based on your the information you "
                                                      "provided. "}};
    for (auto it = captions.begin(); it != captions.end(); ++it)
        QCOMPARE(program->control<QLabel>(WindowId::Form1, qPrintable(it.key()))->text(), it.value());

    const QHash<QString, bool> shown{{"Image4", true}, {"Image3", false}, {"Image2", true}, {"Image1", false}};
    for (auto it = shown.begin(); it != shown.end(); ++it)
        QCOMPARE(program->control(WindowId::Form1, qPrintable(it.key()))->isVisible(), it.value());
}

void TestForm1Window::tabOrder()
{
    QCOMPARE(QApplication::focusWidget()->objectName(), "Picture1");
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
        for (QAction* item : top->menu()->actions()) {
            tree << QStringLiteral("  %1 %2 %3 %4")
                        .arg(item->objectName(), item->isSeparator() ? "-" : item->text(), item->shortcut().toString(),
                             item->isEnabled() && item->isVisible() ? "on" : "off");
        }
    }
    QCOMPARE(tree,
             (QStringList{"mnuFile &File", "  mnuBuild &Build Ctrl+B on", "  mnuSave &Save To File Ctrl+S on",
                          "  sepbar1 -  on", "  mnuClear &Clear Fields  on", "  sepbar2 -  on", "  mnuExit E&xit  on",
                          "mnuHelp &Help", "  mnuHowTo &How to  on", "  mnuWebMasters &Web Master Resources  on",
                          "  mnuSearchEngine Search Engine &Tactics  on", "  sepbar3 -  on", "  mnuAbout &About  on"}));
}

void TestForm1Window::fillInputs()
{
    program->control<QLineEdit>(WindowId::Form1, "Text1")->setText("Acme Tools");
    program->control<QLineEdit>(WindowId::Form1, "Text2")->setText("Hand \"tools\"");
    program->control<QLineEdit>(WindowId::Form1, "Text3")->setText("hammer,saw");
}

static const QString kBlock = "<TITLE>Acme Tools</TITLE><meta name=\"description\" content=\"Hand &quot;tools&quot;\">"
                              "<meta name=\"keywords\" content=\"hammer,saw\">";

void TestForm1Window::ctrlBBuildsWithoutOpeningTheMenu()
{
    fillInputs();
    QTest::keyClick(program->control(WindowId::Form1, "Text2"), Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(program->toolkit.text(text("Text4")), kBlock);
    QCOMPARE(QApplication::focusWidget()->objectName(), "Picture1");
}

void TestForm1Window::altFThenBBuilds()
{
    fillInputs();
    QTest::keyClick(window, Qt::Key_F, Qt::AltModifier);
    auto* file = window->findChild<QMenu*>("mnuFile");
    QTRY_VERIFY(file->isVisible());
    QTest::keyClick(file, Qt::Key_B);
    QTRY_COMPARE(program->toolkit.text(text("Text4")), kBlock);
}

void TestForm1Window::buildReportsAnEmptyField()
{
    QString seen;
    whenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        seen = box->windowTitle() + u'|' + box->text() + u'|' + QString::number(box->icon());
        box->button(QMessageBox::Ok)->click();
    });
    QTest::keyClick(window, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(seen, QStringLiteral("Error|Please enter a value into the title field|%1").arg(QMessageBox::Critical));
    QCOMPARE(program->toolkit.text(text("Text4")).size(), 143);
}

void TestForm1Window::boxesKeepWhatIsTyped()
{
    auto* name = program->control<QLineEdit>(WindowId::Form1, "Text1");
    name->setFocus();
    QTest::keyClicks(name, "one");
    QTest::keyClick(name, Qt::Key_Return);
    QTest::keyClicks(name, "two");
    QCOMPARE(program->toolkit.text(text("Text1")), "onetwo");

    // No length limit on the input boxes.
    const QString longText(100000, u'x');
    program->toolkit.setText(text("Text2"), longText);
    QCOMPARE(program->toolkit.text(text("Text2")), longText);

    auto* output = program->control<QPlainTextEdit>(WindowId::Form1, "Text4");
    output->setFocus();
    output->clear();
    QTest::keyClicks(output, QString::fromUtf8("a\u00a0b"));
    QTest::keyClick(output, Qt::Key_Return);
    QTest::keyClicks(output, "c");
    QCOMPARE(program->toolkit.text(text("Text4")), QString::fromUtf8("a\u00a0b\r\nc"));
}

QTEST_MAIN(TestForm1Window)
#include "tst_form1_window.moc"
