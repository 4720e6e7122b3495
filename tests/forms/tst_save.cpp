#include "app_fixture.h"
#include "fake_toolkit.h"
#include "forms/Form1/form1_commands.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// The real toolkit and dispatcher with the main window shown; what a test
// has arrive runs as a save lets the waiting events be handled.
struct TableDispatcher {
    Dispatcher dispatcher{dispatchTable()};
};
struct SavingProgram : TableDispatcher, QtToolkit {
    std::function<void()> arrive = [] {};

    SavingProgram() : QtToolkit(dispatcher) { showWindow(WindowId::Form1); }
    void processEvents() override
    {
        arrive();
        QtToolkit::processEvents();
    }
    template <typename T> T* find(const char* name) const { return window(WindowId::Form1)->findChild<T*>(name); }
};

// Save To File in the real main window, dialog and status light; and, in a
// child process, the exact bytes saved, or why not with the old file kept.
class TestSave : public QObject {
    Q_OBJECT

private slots:
    void init();
    void dialogAsDesignedRemembersTheName();
    void replacesTheOldFileOrKeepsItAndSaysWhy_data();
    void replacesTheOldFileOrKeepsItAndSaysWhy();
    void eventsWhileSavingCannotHarmTheFile();

private:
    void save() { program->find<QAction>("mnuSave")->trigger(); }

    std::unique_ptr<QTemporaryDir> dir; // also the user's home folder
    std::unique_ptr<SavingProgram> program;
};

namespace {

enum class Limit { None, ReadOnlyFolder, FileSizeLimit };
const QByteArray kOld = "the file that was there before, longer than the one saved over it\r\n";
// Hand edits with line breaks and text beyond ASCII, as the Save command
// writes them: in Qt's 8-bit encoding of the locale, UTF-8 on every Unix
// system, and a line end.
const QString kText = QStringLiteral("<TITLE>Café – naïve\u00a0日本</TITLE>\r\n\r\n  hand\tedited\r\n");
const QByteArray kBytes = "<TITLE>Caf\xc3\xa9 \xe2\x80\x93 "
                          "na\xc3\xafve\xc2\xa0\xe6\x97\xa5\xe6\x9c\xac</TITLE>\r\n\r\n  hand\tedited\r\n\r\n";

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

bool setMode(const QString& path, mode_t mode)
{
    return chmod(QFile::encodeName(path).constData(), mode) == 0;
}

// Runs `answer` on the Save dialog once it is open, then closes whatever is
// open, so that a failed check cannot block the test.
void whenSaveDialogOpens(std::function<void(QFileDialog*, QLineEdit* name)> answer)
{
    whenModalOpens([answer](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (QTest::qVerify(dialog, "the Save dialog is open", "", __FILE__, __LINE__))
            answer(dialog, dialog->findChild<QLineEdit*>("fileNameEdit"));
        modal->close();
    });
}

// Saves kText to `path` with the Save command in a child process, so that a
// dropped identity or a file size limit stays there; true when it said why
// it failed in exactly the system's `reason`, or nothing when that is empty.
bool saveInChildTells(const QString& path, Limit limit, const QString& reason)
{
    const pid_t child = fork();
    if (child == 0) {
        bool ready = true;
        if (limit == Limit::ReadOnlyFolder && geteuid() == 0) // permission bits do not stop root
            ready = setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0;
        const rlimit small{4, 4}; // a full disk's refusal, without filling one
        if (limit == Limit::FileSizeLimit)
            ready = std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &small) == 0;
        FakeToolkit ui;
        ui.texts["Form1.Text4"] = kText;
        ui.dialogAnswers = {path};
        if (ready)
            Form1::mnuSave_Click(ui);
        const QString expected = reason.isEmpty() ? ""
                                                  : "messageBox 16 Error|The Meta Tags could not be saved to '" + path +
                                                        "' (" + reason + ").";
        const QString told = ready ? ui.log.filter("messageBox ").join('\n') : "no limit set";
        if (told != expected)
            qWarning("told instead: %s", qPrintable(told));
        _exit(told == expected ? 0 : 1);
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

void TestSave::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    qputenv("HOME", QFile::encodeName(dir->path()));
    program.reset();
    program = std::make_unique<SavingProgram>();
    QVERIFY(QTest::qWaitForWindowExposed(program->window(WindowId::Form1)));
}

void TestSave::dialogAsDesignedRemembersTheName()
{
    const QString path = dir->filePath("notes");
    QStringList offered;
    whenSaveDialogOpens([&](QFileDialog* dialog, QLineEdit* name) {
        auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        for (int i = 0; i < types->count(); ++i)
            offered << types->itemText(i);
        offered << types->currentText() << dialog->nameFilters() << dialog->windowTitle() << name->text()
                << dialog->directory().absolutePath();
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
    });
    save();
    QCOMPARE(offered,
             (QStringList{"Text Files(*.txt)", "All Files(*.*)", "Text Files(*.txt)", "Text Files(*.txt) (*.txt)",
                          "All Files(*.*) (*)", "Save as", "Untitled", QDir(dir->path()).absolutePath()}));
    const QByteArray instruction = "Once you select build, your meta tags will appear here. Insert the \r\n"
                                   "following tags between the <HEAD> and </HEAD> tags in \r\n"
                                   "your HTML page. \r\n";
    QCOMPARE(instruction.size(), 143);
    QCOMPARE(contents(path), instruction + "\r\n");

    // Offered again, and cancelled: nothing written.
    whenSaveDialogOpens([&](QFileDialog* dialog, QLineEdit* name) {
        offered = QStringList{dialog->directory().filePath(name->text())};
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    program->setText({WindowId::Form1, "Text4"}, "<TITLE>cancelled</TITLE>");
    save();
    QCOMPARE(offered, QStringList{path});
    QCOMPARE(contents(path), instruction + "\r\n");
    QCOMPARE(entries(dir->path()), QStringList{"notes"});
}

void TestSave::replacesTheOldFileOrKeepsItAndSaysWhy_data()
{
    QTest::addColumn<QString>("target"); // in the test's folder, whose folder/tags.txt holds kOld
    QTest::addColumn<Limit>("limit");
    QTest::addColumn<QString>("reason"); // empty: saved

    QTest::newRow("saved over the old file") << "folder/tags.txt" << Limit::None << "";
    QTest::newRow("folder that does not exist") << "missing/tags.txt" << Limit::None << "No such file or directory";
    QTest::newRow("read-only folder") << "folder/tags.txt" << Limit::ReadOnlyFolder << "Permission denied";
    QTest::newRow("full disk") << "folder/tags.txt" << Limit::FileSizeLimit << "File too large";
    QTest::newRow("name the system refuses") << "folder/" + QString(300, 'n') << Limit::None << "File name too long";
}

void TestSave::replacesTheOldFileOrKeepsItAndSaysWhy()
{
    QFETCH(QString, target);
    QFETCH(Limit, limit);
    QFETCH(QString, reason);
    const QString folder = dir->filePath("folder");
    const QString path = dir->filePath(target);
    // An old file that anyone may write to, in a folder that only its owner
    // may change: only writing in place could harm the file.
    QFile old(folder + "/tags.txt");
    QVERIFY(QDir().mkdir(folder) && old.open(QIODevice::WriteOnly) && old.write(kOld) == kOld.size());
    old.close();
    QVERIFY(setMode(old.fileName(), 0666));
    QVERIFY(setMode(dir->path(), 0755) && setMode(folder, limit == Limit::ReadOnlyFolder ? 0555 : 0755));

    const bool told = saveInChildTells(path, limit, reason);

    QVERIFY(setMode(folder, 0755));
    QVERIFY(told);
    QCOMPARE(contents(old.fileName()), reason.isEmpty() ? kBytes : kOld);
    QCOMPARE(entries(folder), QStringList{"tags.txt"});
}

void TestSave::eventsWhileSavingCannotHarmTheFile()
{
    QPointer<QWidget> window = program->window(WindowId::Form1);
    auto* saveItem = program->find<QAction>("mnuSave");
    program->setText({WindowId::Form1, "Text4"}, "<TITLE>kept</TITLE>");
    const QString path = dir->filePath("tags.txt");
    // Waiting as the written file waits beside the old one: another Save,
    // the main window closed and the program ended.
    program->arrive = [&] {
        QMetaObject::invokeMethod(saveItem, &QAction::trigger, Qt::QueuedConnection);
        QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
        QMetaObject::invokeMethod(
            window, [p = program.get()] { p->endProgram(); }, Qt::QueuedConnection);
    };
    // Any dialog or box after the Save dialog is counted, and closed so that
    // it cannot block the test.
    int later = 0;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&later] {
        if (QWidget* modal = QApplication::activeModalWidget())
            later += modal->close();
    });
    whenSaveDialogOpens([&](QFileDialog* dialog, QLineEdit*) {
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
        closer.start(10);
    });
    saveItem->trigger();

    QCOMPARE(later, 0);
    QCOMPARE(contents(path), QByteArray("<TITLE>kept</TITLE>\r\n"));
    QCOMPARE(entries(dir->path()), QStringList{"tags.txt"});
    QTRY_VERIFY(window.isNull());
}

QTEST_MAIN(TestSave)
#include "tst_save.moc"
