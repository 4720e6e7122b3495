#include "app_fixture.h"
#include "forms/Form1/form1_design.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>

// On a German desktop (the test's environment says so): what Qt supplies
// speaks German, while every text of the program's own stays as designed.
class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { followDesktopLanguage(); }
    void init() { main = program.show(WindowId::Form1); }

    void messageBoxes_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("buttons"); // Qt's words for them, in German
        QTest::newRow("Exit") << "mnuExit" << Form1Design::exitTitle << Form1Design::exitQuestion
                              << QStringList{"Ja", "Nein"};
        QTest::newRow("How to, titled with the program's name")
            << "mnuHowTo"
            << "Kestrine" << Form1Design::howToText().replace(u'\r', u'\n') << QStringList{"OK"};
    }

    void messageBoxes()
    {
        QFETCH(QString, command);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QStringList, buttons);
        QStringList shown;
        whenModalOpens<QMessageBox>([&](QMessageBox* box) {
            for (QAbstractButton* button : box->buttons())
                shown << button->text().remove(u'&');
            shown.sort();
            shown << box->windowTitle() << box->text();
            box->button(box->buttons().size() > 1 ? QMessageBox::No : QMessageBox::Ok)->click();
        });
        main->findChild<QAction*>(command)->trigger();
        QCOMPARE(shown, (buttons + QStringList{title, text}));
    }

    void textBoxMenu()
    {
        const std::unique_ptr<QMenu> menu(
            program.control<QLineEdit>(WindowId::Form1, "Text1")->createStandardContextMenu());
        QStringList entries;
        for (const QAction* action : menu->actions())
            entries << action->text().section(u'\t', 0, 0).remove(u'&');
        QVERIFY2(entries.contains("Kopieren") && entries.contains("Ausschneiden"), qPrintable(entries.join(", ")));
    }

    // Run on a Hebrew desktop too: Qt's words follow the language, while its
    // catalogue, which would mirror the windows, leaves their design as it is.
    void windowsStayLeftToRight()
    {
        QString yes;
        whenModalOpens<QMessageBox>([&](QMessageBox* box) {
            yes = box->button(QMessageBox::Yes)->text().remove(u'&');
            box->button(QMessageBox::No)->click();
        });
        main->findChild<QAction*>("mnuExit")->trigger();
        QVERIFY2(!yes.isEmpty() && yes != "Yes", qPrintable(yes));
        QCOMPARE(main->layoutDirection(), Qt::LeftToRight);
    }

private:
    RunningProgram program;
    QWidget* main = nullptr;
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
