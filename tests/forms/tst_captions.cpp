#include "app_fixture.h"

#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextLayout>
#include <cmath>

// Every caption of the three windows read whole, on its designed lines, in
// whatever font the program chose, at whatever QT_SCALE_FACTOR the test runs.
class TestCaptions : public QObject {
    Q_OBJECT

private slots:
    void init() { program = std::make_unique<RunningProgram>(); }
    void cleanup() { program.reset(); }
    void captionFits_data();
    void captionFits();
    void hostNameFollowsTheSentence();
    void linksReturnToThePalettesTextColour();
    void windowsAndPicturesScale_data();
    void windowsAndPicturesScale();

private:
    std::unique_ptr<RunningProgram> program;
};

namespace {

const QList<std::pair<WindowId, const char*>> kWindows{
    {WindowId::Form1, "Form1"}, {WindowId::Form2, "Form2"}, {WindowId::aboutmeta, "aboutmeta"}};

qreal scale()
{
    return qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
}

// The pixels a widget draws, in device pixels; a transparent widget alone,
// without what lies behind it.
QImage drawn(QWidget* widget)
{
    QImage image(widget->size() * scale(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale());
    image.fill(Qt::transparent);
    widget->render(&image, {}, {}, QWidget::RenderFlags());
    return image;
}

// Where an image differs from its background colour.
QList<QPoint> ink(const QImage& image, QColor background)
{
    QList<QPoint> points;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != background)
                points << QPoint(x, y);
        }
    }
    return points;
}

// A line of the widget's text as laid out: the font's height, rounded up.
int lineHeight(const QWidget* widget)
{
    return int(std::ceil(QFontMetricsF(widget->font()).lineSpacing()));
}

} // namespace

void TestCaptions::captionFits_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("lines");
    // The captions that take more than one line.
    const QHash<QString, int> lines{
        {"Form1/Text4", 3}, {"Form2/Label1", 5}, {"Form2/Label2", 2}, {"aboutmeta/Label10", 2}};
    RunningProgram windows;
    for (const auto& [id, name] : kWindows) {
        for (QWidget* control : windows.show(id)->findChildren<QWidget*>()) {
            auto* label = qobject_cast<QLabel*>(control);
            const bool caption = label ? label->pixmap().isNull() && !label->text().trimmed().isEmpty()
                                       : qobject_cast<QPushButton*>(control) || qobject_cast<QPlainTextEdit*>(control);
            // Form2's Label3 draws its host name after Label2's sentence: see below.
            if (!caption || (label && label->text().startsWith(u' ')))
                continue;
            const QString tag = QString(name) + u'/' + control->objectName();
            QTest::newRow(qPrintable(tag)) << int(id) << control->objectName() << lines.value(tag, 1);
        }
    }
}

void TestCaptions::captionFits()
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
        return;
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QVERIFY(metrics.horizontalAdvance(button->text().remove(u'&')) < button->width());
        return;
    }
    auto* label = qobject_cast<QLabel*>(widget);
    const QRect box = label->contentsRect();
    const int flags = int(label->alignment()) | Qt::TextWordWrap;
    auto extent = [&](const QString& text) {
        return metrics.boundingRect(box.x(), 0, box.width(), 1 << 20, flags, text);
    };
    const QRect used = extent(label->text());
    QVERIFY2(used.width() <= box.width() && used.height() <= box.height(), qPrintable(label->text()));
    QVERIFY2(used.height() <= lines * lineHeight(label), qPrintable(label->text()));
    if (control == "Label1" && window == int(WindowId::Form2)) {
        // The heading stands alone on its line, the description below it.
        const QStringList parts = label->text().split(QString(48, u' '));
        QCOMPARE(used.height(), extent(parts[0]).height() + metrics.leading() + extent(parts[1].trimmed()).height());
    }
}

void TestCaptions::hostNameFollowsTheSentence()
{
    QWidget* form2 = program->show(WindowId::Form2);
    auto* sentence = form2->findChild<QLabel*>("Label2");
    auto* host = form2->findChild<QLabel*>("Label3");
    QCOMPARE(host->geometry(), sentence->geometry());
    const QList<QPoint> sentenceInk = ink(sentence->grab().toImage(), sentence->palette().color(QPalette::Window));
    const QList<QPoint> hostInk = ink(drawn(host), Qt::transparent);
    QVERIFY(!sentenceInk.isEmpty() && !hostInk.isEmpty());

    const QRect hostBox = QPolygon(hostInk).boundingRect();
    // Label2's last line, and where its ink ends on it.
    const QFontMetrics metrics = sentence->fontMetrics();
    const int flags = int(sentence->alignment()) | Qt::TextWordWrap;
    const int lines =
        metrics.boundingRect(0, 0, sentence->width(), 1 << 20, flags, sentence->text()).height() / lineHeight(sentence);
    const int lastTop = (lines - 1) * lineHeight(sentence) * scale();
    const int lastBottom = lastTop + lineHeight(sentence) * scale();
    int lineEnd = 0;
    for (const QPoint p : sentenceInk) {
        if (p.y() >= lastTop)
            lineEnd = std::max(lineEnd, p.x());
    }
    QVERIFY2(hostBox.center().y() >= lastTop && hostBox.center().y() < lastBottom,
             "the host name is on the sentence's last line");
    const int space = QFontMetrics(host->font()).horizontalAdvance(u' ') * scale();
    QVERIFY2(hostBox.left() > lineEnd && hostBox.left() <= lineEnd + 2 * space + 2 * scale(), "one blank between");
    for (const QPoint p : hostInk)
        QVERIFY2(!sentenceInk.contains(p), "the host name is drawn over the sentence");
}

void TestCaptions::linksReturnToThePalettesTextColour()
{
    if (scale() != 1)
        QSKIP("The offscreen platform's test mouse does not follow a scaled screen.");
    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::Window, QColor(40, 40, 40));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    QApplication::setPalette(dark);
    QWidget* about = program->show(WindowId::aboutmeta);
    auto colour = [&](const char* link) {
        return about->findChild<QLabel*>(link)->palette().color(QPalette::WindowText);
    };
    auto moveOnto = [&](const char* name) {
        QWidget* target = about->findChild<QWidget*>(name);
        QTest::mouseMove(target, target->rect().center());
    };
    moveOnto("Label4");
    QCOMPARE(colour("Label4"), QColor(0, 0, 255));
    moveOnto("Label7");
    QCOMPARE(colour("Label4"), QColor(230, 230, 230));
    moveOnto("Label8");
    QCOMPARE(colour("Label7"), QColor(230, 230, 230));
    QApplication::setPalette(QPalette());
}

void TestCaptions::windowsAndPicturesScale_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QSize>("client");
    QTest::newRow("Form1") << int(WindowId::Form1) << QSize(362, 299);
    QTest::newRow("Form2") << int(WindowId::Form2) << QSize(289, 193);
    QTest::newRow("aboutmeta") << int(WindowId::aboutmeta) << QSize(409, 270);
}

void TestCaptions::windowsAndPicturesScale()
{
    QFETCH(int, window);
    QFETCH(QSize, client);
    QWidget* shown = program->show(WindowId(window));
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    auto* main = qobject_cast<QMainWindow*>(shown);
    QCOMPARE((main ? main->centralWidget() : shown)->grab().size(), client * scale());
    for (QLabel* image : shown->findChildren<QLabel*>()) {
        if (image->pixmap().isNull())
            continue;
        // Drawn at full resolution, shown at natural size.
        QCOMPARE(image->pixmap().devicePixelRatio(), scale());
        QCOMPARE(image->pixmap().size(), image->size() * scale());
    }
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
