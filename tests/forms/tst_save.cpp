#include "app_fixture.h"
#include "fake_toolkit.h"
#include "forms/Form1/form1_commands.h"
#include "forms/Form1/form1_controls.h"

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

namespace {

enum class Limit { None, ReadOnlyFolder, FileSizeLimit };
const QByteArray kOld = "the file that was there before, longer than the one saved over it\r\n";
// Edits beyond ASCII, in the locale's 8-bit encoding (UTF-8), then a line end.
const QString kText = QStringLiteral("<TITLE>Café naïve\u00a0日本</TITLE>\r\n\r\n  hand\tedited\r\n");
const QByteArray kBytes = "<TITLE>Caf\xc3\xa9 na\xc3\xafve\xc2\xa0\xe6\x97\xa5\xe6\x9c\xac</TITLE>\r\n\r\n  "
                          "hand\tedited\r\n\r\n";

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

// Saves kText to `path` in a child process, so that a dropped identity or a
// file size limit stays there; true when it told exactly `reason` (nothing
// when empty).
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
        const QString told = ui.log.filter("messageBox ").join('\n');
        const QString expected = reason.isEmpty() ? ""
                                                  : "messageBox 16 Error|The Meta Tags could not be saved to '" + path +
                                                        "' (" + reason + ").";
        _exit(ready && told == expected ? 0 : 1);
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

// Save To File: the real Save dialog, the exact bytes written, and, in a
// child process, every way a save can fail, with the old file kept.
class TestSave : public QObject {
    Q_OBJECT

private slots:
    void dialogAsDesignedRemembersTheName()
    {
        qputenv("HOME", QFile::encodeName(dir.path()));
        RunningProgram program;
        program.show(WindowId::Form1);
        auto save = [&] { program.control<QAction>(WindowId::Form1, "mnuSave")->trigger(); };
        const QString path = dir.filePath("notes");
        QStringList offered;
        whenModalOpens<QFileDialog>([&](QFileDialog* dialog) {
            auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
            for (int i = 0; i < types->count(); ++i)
                offered << types->itemText(i);
            offered << dialog->nameFilters() << dialog->windowTitle()
                    << dialog->findChild<QLineEdit*>("fileNameEdit")->text() << dialog->directory().absolutePath();
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
        });
        save();
        QCOMPARE(offered, (QStringList{"Text Files(*.txt)", "All Files(*.*)", "Text Files(*.txt) (*.txt)",
                                       "All Files(*.*) (*)", "Save as", "Untitled", dir.path()}));
        // The instruction text the box starts with is saved like any other.
        const QByteArray saved = contents(path);
        QVERIFY(saved.startsWith("Once you select build") && saved.endsWith("your HTML page. \r\n\r\n"));

        // Offered again, and cancelled: nothing written.
        whenModalOpens<QFileDialog>([&](QFileDialog* dialog) {
            offered = dialog->selectedFiles();
            dialog->reject();
        });
        program.toolkit.setText(Form1::Text4, "<TITLE>cancelled</TITLE>");
        save();
        QCOMPARE(offered, QStringList{path});
        QCOMPARE(contents(path), saved);
        QCOMPARE(entries(dir.path()), QStringList{"notes"});
    }

    void replacesTheOldFileOrKeepsItAndSaysWhy_data()
    {
        QTest::addColumn<QString>("target"); // in the test's folder, whose folder/tags.txt holds kOld
        QTest::addColumn<Limit>("limit");
        QTest::addColumn<QString>("reason"); // empty: saved
        QTest::newRow("saved over the old file") << "folder/tags.txt" << Limit::None << "";
        QTest::newRow("folder that does not exist") << "missing/tags.txt" << Limit::None << "No such file or directory";
        QTest::newRow("read-only folder") << "folder/tags.txt" << Limit::ReadOnlyFolder << "Permission denied";
        QTest::newRow("full disk") << "folder/tags.txt" << Limit::FileSizeLimit << "File too large";
        QTest::newRow("name the system refuses")
            << "folder/" + QString(300, 'n') << Limit::None << "File name too long";
    }

    void replacesTheOldFileOrKeepsItAndSaysWhy()
    {
        QFETCH(QString, target);
        QFETCH(Limit, limit);
        QFETCH(QString, reason);
        QTemporaryDir root;
        const QString folder = root.filePath("folder"), old = folder + "/tags.txt";
        // An old file that anyone may write to, in a folder that only its owner
        // may change: only writing in place could harm the file.
        QVERIFY(QDir().mkdir(folder));
        QFile file(old);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kOld) == kOld.size());
        file.close();
        QVERIFY(chmod(QFile::encodeName(old), 0666) == 0 && chmod(QFile::encodeName(root.path()), 0755) == 0);
        QVERIFY(chmod(QFile::encodeName(folder), limit == Limit::ReadOnlyFolder ? 0555 : 0755) == 0);
        const bool told = saveInChildTells(root.filePath(target), limit, reason);
        QVERIFY(chmod(QFile::encodeName(folder), 0755) == 0);
        QVERIFY(told);
        QCOMPARE(contents(old), reason.isEmpty() ? kBytes : kOld);
        QCOMPARE(entries(folder), QStringList{"tags.txt"});
    }

    void eventsWhileSavingCannotHarmTheFile()
    {
        // While the written file waits beside its place: another Save, the main
        // window closed and the program ended.
        FakeToolkit ui;
        const QString path = dir.filePath("kept.txt");
        ui.texts["Form1.Text4"] = "<TITLE>kept</TITLE>";
        ui.dialogAnswers = {path, path};
        ui.onProcessEvents = [&] {
            QCOMPARE(contents(path), QByteArray("<missing>"));
            ui.texts["Form1.Text4"] = "";
            Form1::mnuSave_Click(ui); // not started
            ui.endProgram();
        };
        Form1::mnuSave_Click(ui);
        QCOMPARE(ui.log.filter("showSaveDialog").size(), 1);
        QCOMPARE(ui.log.filter("messageBox").size(), 0);
        QCOMPARE(contents(path), QByteArray("<TITLE>kept</TITLE>\r\n"));
    }

private:
    QTemporaryDir dir; // also the user's home folder, where the dialog starts
};

QTEST_MAIN(TestSave)
#include "tst_save.moc"
