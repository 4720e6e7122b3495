#include "app_fixture.h"
#include "forms/Form1/form1_design.h"
#include "forms/Form2/form2_design.h"
#include "forms/aboutmeta/aboutmeta_design.h"

#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

namespace {

const qreal kScale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qgetenv("QT_SCALE_FACTOR").toDouble() : 1.0;

// A laid-out line of the widget's text: the font's height, rounded up.
int lineHeight(const QWidget* widget)
{
    return int(std::ceil(QFontMetricsF(widget->font()).lineSpacing()));
}

// Where a widget draws, in device pixels: the widget alone, without its
// background when it has none of its own.
QList<QPoint> ink(QWidget* widget)
{
    QImage image(widget->size() * kScale, QImage::Format_ARGB32);
    image.setDevicePixelRatio(kScale);
    image.fill(widget->autoFillBackground() ? widget->palette().color(QPalette::Window) : Qt::transparent);
    const QRgb background = image.pixel(0, 0);
    widget->render(&image, {}, {}, QWidget::RenderFlags());
    QList<QPoint> points;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background)
                points << QPoint(x, y);
        }
    }
    return points;
}

} // namespace

// Every caption of the three windows whole, on its designed lines, in the
// font the program chose, at the QT_SCALE_FACTOR the test runs with.
class TestCaptions : public QObject {
    Q_OBJECT

private slots:
    void init() { program = std::make_unique<RunningProgram>(); }
    void cleanup() { program.reset(); }

    void captionFits_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("lines");
        // The captions that take more than one line.
        const QHash<QString, int> lines{
            {"Form1/Text4", 3}, {"Form2/Label1", 5}, {"Form2/Label2", 2}, {"aboutmeta/Label10", 2}};
        RunningProgram windows;
        for (const WindowId id : {WindowId::Form1, WindowId::Form2, WindowId::aboutmeta}) {
            QWidget* window = windows.show(id);
            for (QWidget* control : window->findChildren<QWidget*>()) {
                auto* label = qobject_cast<QLabel*>(control);
                // Form2's Label3 continues Label2's sentence: see below.
                const bool caption =
                    label ? label->pixmap().isNull() && !label->text().trimmed().isEmpty() &&
                                !label->text().startsWith(u' ')
                          : qobject_cast<QPushButton*>(control) || qobject_cast<QPlainTextEdit*>(control);
                const QString tag = window->objectName() + u'/' + control->objectName();
                if (caption)
                    QTest::newRow(qPrintable(tag)) << int(id) << control->objectName() << lines.value(tag, 1);
            }
        }
    }

    void captionFits()
    {
        QFETCH(int, window);
        QFETCH(QString, control);
        QFETCH(int, lines);
        QWidget* widget = program->show(WindowId(window))->findChild<QWidget*>(control);
        const QFontMetrics metrics = widget->fontMetrics();
        if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
            // Each designed line on one line of the box, all of them inside it.
            QList<int> wrapped;
            for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
                if (!block.text().isEmpty())
                    wrapped << block.layout()->lineCount();
            }
            QCOMPARE(wrapped, QList<int>(lines, 1));
            QVERIFY(lines * lineHeight(box) <= box->viewport()->height());
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            QVERIFY(metrics.horizontalAdvance(button->text().remove(u'&')) < button->width());
        } else {
            auto* label = qobject_cast<QLabel*>(widget);
            const QRect box = label->contentsRect();
            const int flags = int(label->alignment()) | Qt::TextWordWrap;
            auto used = [&](const QString& text) {
                return metrics.boundingRect(box.x(), 0, box.width(), 1 << 20, flags, text);
            };
            const QRect all = used(label->text());
            QVERIFY2(all.width() <= box.width() && all.height() <= box.height(), qPrintable(label->text()));
            QVERIFY2(all.height() <= lines * lineHeight(label), qPrintable(label->text()));
            if (const QStringList parts = label->text().split(QString(48, u' ')); parts.size() == 2) {
                // Form2's heading stands alone on its line, the description below it.
                QCOMPARE(all.height(), used(parts[0]).height() + metrics.leading() + used(parts[1].trimmed()).height());
            }
        }
    }

    void hostNameFollowsTheSentence()
    {
        QWidget* form2 = program->show(WindowId::Form2);
        auto* sentence = form2->findChild<QLabel*>("Label2");
        auto* host = form2->findChild<QLabel*>("Label3");
        const QList<QPoint> sentenceInk = ink(sentence), hostInk = ink(host);
        const QRect hostBox = QPolygon(hostInk).boundingRect();
        // The sentence's last line, and where its ink ends on it.
        const qreal line = lineHeight(sentence) * kScale;
        const int lastTop = int(QPolygon(sentenceInk).boundingRect().bottom() / line) * line;
        int lineEnd = 0;
        for (const QPoint p : sentenceInk)
            lineEnd = p.y() >= lastTop ? std::max(lineEnd, p.x()) : lineEnd;
        QVERIFY2(hostBox.center().y() >= lastTop && hostBox.center().y() < lastTop + line,
                 "the host name is on the sentence's last line");
        const int space = host->fontMetrics().horizontalAdvance(u' ') * kScale;
        QVERIFY2(hostBox.left() > lineEnd && hostBox.left() <= lineEnd + 2 * space + 2 * kScale, "one blank between");
        for (const QPoint p : hostInk)
            QVERIFY2(!sentenceInk.contains(p), "the host name is drawn over the sentence");
    }

    void linksReturnToThePalettesTextColour()
    {
        if (kScale != 1)
            QSKIP("The offscreen platform's test mouse does not follow a scaled screen.");
        QPalette dark = QApplication::palette();
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        QApplication::setPalette(dark);
        QWidget* about = program->show(WindowId::aboutmeta);
        auto colour = [&](const char* link) {
            return about->findChild<QLabel*>(link)->palette().color(QPalette::WindowText);
        };
        for (const char* name : {"Label4", "Label7", "Label8"}) {
            QWidget* target = about->findChild<QWidget*>(name);
            QTest::mouseMove(target, target->rect().center());
            QCOMPARE(colour("Label4"), name == QLatin1StringView("Label4") ? QColor(0, 0, 255) : QColor(230, 230, 230));
        }
        QCOMPARE(colour("Label7"), QColor(230, 230, 230));
        QApplication::setPalette(QPalette());
    }

    void windowsAndPicturesScale()
    {
        const std::array designs{&Form1Design::window(), &Form2Design::window(), &aboutmetaDesign::window()};
        for (std::size_t id = 0; id < designs.size(); ++id) {
            QWidget* shown = program->show(WindowId(id));
            auto* main = qobject_cast<QMainWindow*>(shown);
            const QSize client(design::px(designs[id]->width), design::px(designs[id]->height));
            QCOMPARE((main ? main->centralWidget() : shown)->grab().size(), client * kScale);
            for (QLabel* image : shown->findChildren<QLabel*>()) {
                // Drawn at full resolution, shown at natural size.
                if (!image->pixmap().isNull())
                    QCOMPARE(image->pixmap().size(), image->size() * kScale);
            }
        }
    }

private:
    std::unique_ptr<RunningProgram> program;
};

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
