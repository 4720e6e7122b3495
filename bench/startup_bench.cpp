// Start-up to the main window painted, and the memory it takes, each start in
// a process of its own, against a bare main window of the same size.

#include "startup_bench.h"

#include "app/program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// Reports once the watched window's first paint is over.
class PaintWatch : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    // The high-water mark of this process's own memory (the
                    // maximum kept by getrusage outlives exec, and with it the
                    // benchmark's own use).
                    QFile status(QStringLiteral("/proc/self/status"));
                    status.open(QIODevice::ReadOnly);
                    const QByteArray text = status.readAll();
                    const qsizetype at = text.indexOf("VmHWM:");
                    std::printf("%s\n",
                                text.mid(at + 6, text.indexOf('\n', at) - at - 6).trimmed().split(' ')[0].constData());
                    std::fflush(stdout);
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool reported_ = false;
};

} // namespace

int startOnce(int argc, char* argv[], bool program)
{
    QApplication app(argc, argv);
    std::unique_ptr<Program> kestrine;
    std::unique_ptr<QMainWindow> bare;
    QWidget* window = nullptr;
    if (program) {
        applyIdentity();
        kestrine = std::make_unique<Program>();
        kestrine->toolkit.showWindow(WindowId::Form1);
        window = kestrine->toolkit.window(WindowId::Form1);
    } else {
        bare = std::make_unique<QMainWindow>();
        bare->menuBar()->addMenu(QStringLiteral("&File"));
        bare->menuBar()->addMenu(QStringLiteral("&Help"));
        bare->setFixedSize(362, 299 + bare->menuBar()->sizeHint().height());
        bare->show();
        window = bare.get();
    }
    PaintWatch watch;
    window->installEventFilter(&watch);
    return app.exec();
}

void benchStartup(const QString& self, int rounds)
{
    std::vector<double> times[2], memory[2];
    for (int i = 0; i < rounds; ++i) {
        for (int program = 0; program < 2; ++program) {
            QProcess child;
            QElapsedTimer timer;
            timer.start();
            child.start(self,
                        {QStringLiteral("--start"), program ? QStringLiteral("kestrine") : QStringLiteral("bare")});
            while (!child.canReadLine() && child.waitForReadyRead(30000)) {
            }
            times[program].push_back(timer.nsecsElapsed() / 1e6);
            memory[program].push_back(child.readLine().trimmed().toDouble() / 1024);
            child.waitForFinished(30000);
        }
    }
    auto middle = [](std::vector<double> values) {
        std::ranges::sort(values);
        return values[values.size() / 2];
    };
    std::printf("Start-up to the main window painted, against a bare main window (median of %d):\n", rounds);
    std::printf("  time   %.1f ms against %.1f ms, ratio %.2f\n", middle(times[1]), middle(times[0]),
                middle(times[1]) / middle(times[0]));
    std::printf("  memory %.1f MiB against %.1f MiB peak resident, ratio %.2f\n", middle(memory[1]), middle(memory[0]),
                middle(memory[1]) / middle(memory[0]));
}
