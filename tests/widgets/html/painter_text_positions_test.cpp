// Where the real surface puts each piece of text and each prefix underline, checked against
// measuring every prefix from the start of the text; and that it keeps inside the caller's clip.
#include <QFontMetrics>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include <gtest/gtest.h>

#include "platform/gui/cp1252.h"
#include "platform/gui/painter_text_surface.h"
#include "platform/gui/text_prefix.h"
#include "support/row_printers.h"

using lw::platform::FontSpec;
using lw::platform::PainterTextSurface;
using lw::platform::Rect;
using lw::platform::TextFormat;

namespace lw::platform {

// The font half of a case as its name spells it; static, so no other test binary sees it.
[[maybe_unused]] static void PrintTo(const FontSpec &font, std::ostream *os)
{
    *os << font.name.toStdString() << ' ' << font.pointSize << "pt" << (font.bold ? " bold" : "")
        << (font.italic ? " italic" : "");
}

} // namespace lw::platform

namespace {

// What was painted: the start of every text item and every filled rectangle.
struct Painted
{
    std::vector<std::pair<int, QString>> texts;
    std::vector<std::pair<int, int>> fills; // x and width

    friend bool operator==(const Painted &, const Painted &) = default;
};

class RecordingEngine final : public QPaintEngine
{
public:
    explicit RecordingEngine(Painted &painted)
        : QPaintEngine(AllFeatures)
        , m_painted(painted)
    { }

    bool begin(QPaintDevice *) override { return true; }

    bool end() override { return true; }

    void updateState(const QPaintEngineState &) override { }

    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override { }

    Type type() const override { return User; }

    // The painter draws a long text as several items, each where the last one ended.
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        if (!m_painted.texts.empty() && qAbs(p.x() - m_end) < 1e-3)
            m_painted.texts.back().second += item.text();
        else
            m_painted.texts.emplace_back(qRound(p.x()), item.text());
        m_end = p.x() + item.width();
    }

    void drawRects(const QRect *rects, int count) override
    {
        for (const QRect &r : std::span(rects, count))
            m_painted.fills.emplace_back(r.x(), r.width());
    }

    void drawRects(const QRectF *rects, int count) override
    {
        for (const QRectF &r : std::span(rects, count))
            m_painted.fills.emplace_back(qRound(r.x()), qRound(r.width()));
    }

private:
    Painted &m_painted;
    qreal m_end = 0;
};

class RecordingDevice final : public QPaintDevice
{
public:
    Painted painted;

    QPaintEngine *paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 1 << 20;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return 1;
        }
    }

private:
    mutable RecordingEngine m_engine{ painted };
};

// The plain way: measure from the start of the text up to the character.
int referenceX(const QFontMetrics &metrics, QStringView shown, qsizetype index, bool tabs)
{
    if (!tabs)
        return metrics.horizontalAdvance(shown.left(index).toString());
    const int tabStop = std::max(1, 8 * metrics.averageCharWidth());
    int x = 0;
    qsizetype start = 0;
    for (qsizetype tab = shown.indexOf(u'\t'); tab >= 0 && tab < index;
            tab = shown.indexOf(u'\t', start)) {
        x += metrics.horizontalAdvance(shown.mid(start, tab - start).toString());
        x = (x / tabStop + 1) * tabStop;
        start = tab + 1;
    }
    return x + metrics.horizontalAdvance(shown.mid(start, index - start).toString());
}

Painted expectedPainting(const QFontMetrics &metrics, QStringView text, bool tabs, int left)
{
    const lw::platform::PrefixedText prefixed = lw::platform::applyPrefix(text);
    const QString shown = lw::platform::cp1252ToUnicode(prefixed.text);
    Painted expected;
    const QStringList pieces = tabs ? shown.split(u'\t') : QStringList{ shown };
    qsizetype start = 0;
    for (const QString &piece : pieces) {
        if (!piece.isEmpty())
            expected.texts.emplace_back(left + referenceX(metrics, shown, start, tabs), piece);
        start += piece.size() + 1;
    }
    for (qsizetype i : prefixed.underlined) {
        if (i < shown.size())
            expected.fills.emplace_back(left + referenceX(metrics, shown, i, tabs),
                    metrics.horizontalAdvance(shown.at(i)));
    }
    return expected;
}

struct PositionCase
{
    const char *name;
    QString text;
    bool expandTabs;
};

LW_PRINT_ROW_NAME(PositionCase)

class PiecePositions : public ::testing::TestWithParam<std::tuple<PositionCase, FontSpec>>
{
};

TEST_P(PiecePositions, EqualTheWidthsOfTheirPrefixes)
{
    const auto &[row, font] = GetParam();
    const TextFormat format =
            lw::platform::TextSingleLine | (row.expandTabs ? lw::platform::TextExpandTabs : 0u);
    const QFontMetrics metrics(PainterTextSurface::qFontFor(font));
    const Rect box{ 7, 0, 1 << 20, 40 };
    RecordingDevice device;
    {
        QPainter painter(&device);
        PainterTextSurface surface(&painter, font);
        surface.drawText(row.text, box, format);
        const Painted expected = expectedPainting(metrics, row.text, row.expandTabs, box.left);
        if (row.expandTabs) {
            EXPECT_EQ(device.painted.texts, expected.texts);
        } else {
            // Unexpanded tabs are the painter's own business; where the text starts is ours.
            ASSERT_FALSE(device.painted.texts.empty());
            EXPECT_EQ(device.painted.texts.front().first, box.left);
        }
        EXPECT_EQ(device.painted.fills, expected.fills);
        const QString shown =
                lw::platform::cp1252ToUnicode(lw::platform::applyPrefix(row.text).text);
        EXPECT_EQ(surface.measureText(row.text, format | lw::platform::TextCalcRect).width,
                referenceX(metrics, shown, shown.size(), row.expandTabs));
    }
}

FontSpec liberation(int points, bool bold)
{
    FontSpec font;
    font.name = QStringLiteral("Liberation Sans");
    font.pointSize = points;
    font.bold = bold;
    font.italic = bold;
    return font;
}

// The text with an "&" before each of the given characters (positions in `shown`).
QString underlinedAt(QString shown, std::initializer_list<qsizetype> positions)
{
    for (auto at = std::rbegin(positions); at != std::rend(positions); ++at)
        shown.insert(*at, u'&');
    return shown;
}

const PositionCase positionCases[] = {
    { "TabsAfterEveryCharacter", QStringLiteral("\tx").repeated(60), true },
    { "EveryOtherCharacterUnderlined", QStringLiteral("&a").repeated(60), true },
    { "UnderlinesBetweenKerningPairs",
            QStringLiteral("A&VA&V T&oT&o W&a&v&e L&T&Y&. f&i&f&l &AV&A"), true },
    { "KerningPairsRepeated", QStringLiteral("AV&AT&o").repeated(200), true },
    { "UnderlinesAcrossTheFourThousandNinetySixthCharacter",
            underlinedAt(QStringLiteral("AVATo").repeated(1000), { 4000, 4200, 4999 }), true },
    { "UnderlinesAroundTheFourThousandNinetySixthCharacter",
            underlinedAt(QStringLiteral("AVATo").repeated(1000), { 4095, 4096, 4097, 4500 }),
            true },
    // The alpha starts the count of 4096 afresh: the cut falls between "A" and "V" at 4246.
    { "ACharacterOfAnotherScriptStartsTheCountAfresh",
            underlinedAt(QStringLiteral("AVATo").repeated(30).chopped(1) + QChar(0x3B1)
                            + QStringLiteral("AVATo").repeated(900),
                    { 140, 150, 4096, 4097, 4246, 4247, 4300 }),
            true },
    // A quote common to all scripts stays in the run it stands in.
    { "AQuoteOutsideTheCodePageKeepsTheCuts",
            underlinedAt(QStringLiteral("AVATo").repeated(500) + QChar(0x2019)
                            + QStringLiteral("AVATo").repeated(400),
                    { 2499, 2500, 2501, 4095, 4096, 4097, 4400 }),
            true },
    { "OtherScriptsDirectionsAndMarks",
            QStringLiteral("W&ave \u05E9&\u05DC\u05D5\u05DD T&o \u0633\u0644&\u0627\u0645 "
                           "&AVe\u0301&e\u0301 \u041F&\u0440\u0438 &\u03B1&\u03B2 fi&fl")
                    .repeated(3),
            true },
    { "UnderlinesAndTabsMixed", QStringLiteral("a&b\tc&d\t\t&e\t&Va\tT&\x99x"), true },
    { "UnderlinedTabAndDoubledAmpersand", QStringLiteral("x&\ty a&&b&&&c ab&"), true },
    { "CodePageCharacters",
            QString::fromLatin1("\x80&\x99\x89 &\xe9t\xe9 \x93&q\x94\t&\x85").repeated(5), true },
    { "TabsWithoutExpansionAreMeasuredInPlace", QStringLiteral("a\tb&c\t&d W&A\tV&A"), false },
    { "UnderlinesWithoutTabExpansion", QStringLiteral("W&AV&A&To").repeated(20), false },
};

INSTANTIATE_TEST_SUITE_P(PainterTextSurface, PiecePositions,
        ::testing::Combine(::testing::ValuesIn(positionCases),
                ::testing::Values(
                        liberation(9, false), liberation(12, true), liberation(17, false))),
        [](const auto &param) {
            const FontSpec &font = std::get<1>(param.param);
            return std::string(std::get<0>(param.param).name) + "_" + std::to_string(font.pointSize)
                    + (font.bold ? "pt_bold_italic" : "pt");
        });

// Pixels in the image outside `keep` that differ from `background`.
int inkOutside(const QImage &image, const QRect &keep, QRgb background)
{
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += !keep.contains(x, y) && image.pixel(x, y) != background;
    return ink;
}

struct ClipCase
{
    const char *name;
    QRect callerClip; // null: the caller does not clip
    Rect box;
};

LW_PRINT_ROW_NAME(ClipCase)

class DrawingClip : public ::testing::TestWithParam<ClipCase>
{
};

TEST_P(DrawingClip, StaysInsideTheBoxAndTheCallersClip)
{
    const ClipCase &row = GetParam();
    QImage image(200, 40, QImage::Format_RGB32);
    const QRgb white = qRgb(0xFF, 0xFF, 0xFF);
    image.fill(white);
    QPainter painter(&image);
    if (!row.callerClip.isNull())
        painter.setClipRect(row.callerClip);
    PainterTextSurface surface(&painter, liberation(12, true));
    surface.setFillColour(0x0000FFFF);
    surface.drawText(
            u"W&ide text drawn across the whole image", row.box, lw::platform::TextSingleLine);
    EXPECT_EQ(painter.hasClipping(), !row.callerClip.isNull());
    if (painter.hasClipping()) {
        EXPECT_EQ(painter.clipRegion(), QRegion(row.callerClip)) << "the caller's clip is back";
    }
    painter.end();
    QRect keep(row.box.left, row.box.top, row.box.width(), row.box.height());
    if (!row.callerClip.isNull())
        keep &= row.callerClip;
    EXPECT_EQ(inkOutside(image, keep, white), 0);
    EXPECT_GT(inkOutside(image, QRect(), white), 500) << "the text and its fill are drawn";
}

const ClipCase clipCases[] = {
    { "CallerClipInsideTheBox", QRect(20, 5, 60, 30), { 0, 0, 200, 40 } },
    { "CallerClipAcrossTheBoxEdge", QRect(0, 0, 90, 20), { 30, 2, 150, 38 } },
    { "BoxAloneWithoutACallerClip", QRect(), { 30, 2, 120, 38 } },
};

INSTANTIATE_TEST_SUITE_P(
        PainterTextSurface, DrawingClip, ::testing::ValuesIn(clipCases), [](const auto &param) {
            return std::string(param.param.name);
        });

} // namespace
