// Measures the program's own work against the least the toolkit needs for the
// same result, side by side in one run, and prints each as a ratio.

#include "app/program.h"
#include "compose/export.h"
#include "forms/Form1/form1_controls.h"
#include "host/host.h"
#include "startup_bench.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

constexpr int rounds = 7;

// Median time of `rounds` runs of `work`, each after `prepare`, in milliseconds.
double median(const std::function<void()>& prepare, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::ranges::sort(times);
    return times[times.size() / 2];
}

QString words(qsizetype size)
{
    const QString word = QStringLiteral("lorem ipsum dolor sit amet ");
    QString text;
    text.reserve(size);
    while (text.size() < size)
        text += word;
    text.truncate(size);
    return text;
}

// The output box the program shows after its layout and painting are done.
void settle(QWidget* window)
{
    window->repaint();
    QCoreApplication::processEvents();
}

void benchBuild(QtToolkit& toolkit)
{
    QWidget* window = toolkit.window(WindowId::Form1);
    auto* output = window->findChild<QPlainTextEdit*>(QStringLiteral("Text4"));

    // An identical box in an identical window, given the final block at once.
    QWidget floorWindow;
    floorWindow.resize(window->size());
    auto* floorBox = new QPlainTextEdit(&floorWindow);
    floorBox->setGeometry(output->mapTo(window, QPoint(0, 0)).x(), output->mapTo(window, QPoint(0, 0)).y(),
                          output->width(), output->height());
    floorBox->setHorizontalScrollBarPolicy(output->horizontalScrollBarPolicy());
    floorBox->setVerticalScrollBarPolicy(output->verticalScrollBarPolicy());
    floorBox->setLineWrapMode(output->lineWrapMode());
    floorWindow.show();

    // Build as the user chooses it, through the menu item and the dispatcher.
    auto* build = window->findChild<QAction*>(QStringLiteral("mnuBuild"));

    std::printf("Build, against one setPlainText of the final block (median of %d):\n", rounds);
    std::printf("  %-8s %12s %12s %8s %14s\n", "field", "Build ms", "floor ms", "ratio", "Build ms/MB");
    for (const qsizetype size : {qsizetype(1) << 10, qsizetype(100) << 10, qsizetype(1) << 20}) {
        const QString text = words(size);
        for (const char* box : {"Text1", "Text2", "Text3"})
            toolkit.setText({WindowId::Form1, box}, text);
        build->trigger();
        const QString block = toolkit.text(Form1::Text4);

        auto reset = [&] {
            toolkit.setText(Form1::Text4, QStringLiteral("x"));
            floorBox->setPlainText(QStringLiteral("x"));
            settle(window);
            settle(&floorWindow);
        };
        const double built = median(reset, [&] {
            build->trigger();
            settle(window);
        });
        const double floor = median(reset, [&] {
            floorBox->setPlainText(block);
            settle(&floorWindow);
        });
        std::printf("  %-8s %12.2f %12.2f %8.2f %14.1f\n",
                    size >= (1 << 20) ? "1 MB" : (size >= (100 << 10) ? "100 KB" : "1 KB"), built, floor, built / floor,
                    built / (3.0 * size / (1 << 20)));
    }
}

void benchSave(QtToolkit& toolkit)
{
    QTemporaryDir folder;
    const QString text = words(3 << 20);
    toolkit.setText(Form1::Text4, text);
    const QString path = folder.filePath(QStringLiteral("tags.txt"));
    const QByteArray bytes = toolkit.text(Form1::Text4).toLocal8Bit() + "\r\n";

    auto clear = [&] { QFile::remove(path); };
    const double save = median(clear, [&] {
        if (!compose::exportText(path, toolkit.text(Form1::Text4), host::toSystemEncoding).saved)
            std::printf("  export failed\n");
    });
    // The same bytes written once and renamed into place, without and with
    // the flush to disk that the export does before the rename.
    auto plainSave = [&](bool flush) {
        const QString temporary = path + QStringLiteral(".new");
        QFile file(temporary);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
            (flush && ::fsync(file.handle()) != 0))
            std::printf("  plain write failed\n");
        file.close();
        std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData());
    };
    const double plain = median(clear, [&] { plainSave(false); });
    const double flushed = median(clear, [&] { plainSave(true); });
    // Of which reading the box and encoding its text, which the plain write is spared.
    const double reading = median([] {},
                                  [&] {
                                      if (toolkit.text(Form1::Text4).toLocal8Bit().size() != bytes.size() - 2)
                                          std::printf("  text read back differs\n");
                                  });
    std::printf("Save of a 3 MB output box, against one plain write and rename (median of %d):\n", rounds);
    std::printf("  export %.2f ms, plain %.2f ms, ratio %.2f (reading and encoding the box alone: %.2f ms)\n", save,
                plain, save / plain, reading);
    std::printf("  against a plain write flushed to disk before the rename: %.2f ms, ratio %.2f\n", flushed,
                save / flushed);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--start") == 0)
        return startOnce(argc, argv, std::strcmp(argv[2], "kestrine") == 0);

    QApplication app(argc, argv);
    Program program;
    program.toolkit.showWindow(WindowId::Form1);
    QCoreApplication::processEvents();

    benchBuild(program.toolkit);
    benchSave(program.toolkit);
    benchStartup(QCoreApplication::applicationFilePath(), rounds);
    return 0;
}
