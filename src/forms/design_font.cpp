#include "forms/design_font.h"

#include "forms/Form1/form1_design.h"
#include "forms/Form2/form2_design.h"
#include "forms/aboutmeta/aboutmeta_design.h"
#include "forms/controls/caption_layout.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLoggingCategory>
#include <QScreen>
#include <array>
#include <optional>

// Which font the controls are drawn in, for a user or a test to see:
// QT_LOGGING_RULES=kestrine.font.info=true.
Q_LOGGING_CATEGORY(lcDesignFont, "kestrine.font", QtWarningMsg)

namespace design {

namespace {

constexpr QLatin1StringView kFamily("Liberation Sans");
constexpr qreal kLargestPoints = 8;
constexpr qreal kSmallestFallbackPixels = 10;
// What a multi-line box and a push button keep around their text.
constexpr int kBoxMargins = 12;
constexpr int kButtonMargins = 8;

bool rowFits(const QFont& font, std::span<const ControlSpec> rows, std::size_t at)
{
    const ControlSpec& row = rows[at];
    const QSize box(px(row.width), px(row.height));
    switch (row.kind) {
    case Kind::Label: {
        if (row.options & Continues)
            return true;
        // A label with another one continuing it holds both captions.
        QString caption = row.text;
        if (at > 0 && (rows[at - 1].options & Continues))
            caption += u' ' + rows[at - 1].text.trimmed();
        return captionFits(font, caption, box);
    }
    case Kind::MultiLineTextBox: {
        // Each of its lines on one line of the box.
        const QFontMetricsF metrics(font);
        const QStringList lines = row.text.split(QLatin1StringView("\r\n"));
        return std::ranges::all_of(lines, [&](const QString& line) {
            return metrics.horizontalAdvance(line.trimmed()) <= box.width() - kBoxMargins;
        });
    }
    case Kind::Button:
        return QFontMetricsF(font).horizontalAdvance(QString(row.text).remove(u'&')) <= box.width() - kButtonMargins;
    default:
        return true;
    }
}

bool everyCaptionFits(const QFont& font)
{
    const std::array designs{Form1Design::controls(), Form2Design::controls(), aboutmetaDesign::controls()};
    for (const std::span<const ControlSpec> rows : designs) {
        for (std::size_t at = 0; at < rows.size(); ++at) {
            if (!rowFits(font, rows, at))
                return false;
        }
    }
    return true;
}

// The largest size, in quarter points from 8 points down to `smallest`, at
// which every caption fits.
std::optional<QFont> largestFitting(QFont font, qreal smallest)
{
    for (qreal points = kLargestPoints; points >= smallest; points -= 0.25) {
        font.setPointSizeF(points);
        if (everyCaptionFits(font))
            return font;
    }
    return std::nullopt;
}

QFont choose()
{
    QFont liberation{QString(kFamily)};
    if (QFontInfo(liberation).family() == kFamily) {
        if (const std::optional<QFont> chosen = largestFitting(liberation, 5))
            return *chosen;
    }
    const qreal dpi = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->logicalDotsPerInchY() : 96;
    const qreal smallest = kSmallestFallbackPixels * 72 / dpi;
    QFont fallback = QApplication::font();
    for (int stretch = QFont::Unstretched; stretch >= QFont::ExtraCondensed; stretch -= 5) {
        fallback.setStretch(stretch);
        if (const std::optional<QFont> chosen = largestFitting(fallback, smallest))
            return *chosen;
    }
    fallback.setPointSizeF(smallest);
    return fallback;
}

} // namespace

const QFont& designFont()
{
    static const QFont font = [] {
        const QFont chosen = choose();
        const QFontInfo drawn(chosen);
        qCInfo(lcDesignFont, "controls drawn in %s at %g points", qUtf8Printable(drawn.family()), drawn.pointSizeF());
        return chosen;
    }();
    return font;
}

} // namespace design
