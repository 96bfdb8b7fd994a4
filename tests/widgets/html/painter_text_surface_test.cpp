#include "platform/gui/painter_text_surface.h"

#include <algorithm>
#include <map>

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include "widgets/html/draw_markup.h"
#include "widgets/html/program_texts.h"

using lw::html::DrawMarkup;
using lw::html::MarkupOptions;
using lw::html::MarkupResult;
using lw::platform::Colour;
using lw::platform::FontSpec;
using lw::platform::PainterTextSurface;
using lw::platform::Point;
using lw::platform::Rect;
using lw::platform::TextFormat;
using lw::platform::TextSize;

namespace {

FontSpec liberation(int points, Colour colour = 0x00000000)
{
    FontSpec font;
    font.name = QStringLiteral("Liberation Sans");
    font.pointSize = points;
    font.colour = colour;
    return font;
}

// Passes everything to the real surface and keeps where each run went.
class RecordingSurface final : public lw::platform::TextSurface
{
public:
    explicit RecordingSurface(PainterTextSurface &real)
        : m_real(real)
    { }

    struct Run
    {
        QString text;
        Rect box;
        int width;
        FontSpec font;
    };

    std::vector<Run> runs;

    FontSpec font() const override { return m_real.font(); }

    void setFont(const FontSpec &font) override { m_real.setFont(font); }

    Colour fillColour() const override { return m_real.fillColour(); }

    void setFillColour(Colour colour) override { m_real.setFillColour(colour); }

    TextSize measureText(QStringView text, TextFormat format) override
    {
        return m_real.measureText(text, format);
    }

    void drawText(QStringView text, const Rect &box, TextFormat format) override
    {
        runs.push_back({ text.toString(), box,
                m_real.measureText(text, format | lw::platform::TextCalcRect).width,
                m_real.font() });
        m_real.drawText(text, box, format);
    }

    TextSize textExtent(QStringView text) override { return m_real.textExtent(text); }

    void drawPolyline(std::span<const Point> p, Colour pen, int w) override
    {
        m_real.drawPolyline(p, pen, w);
    }

    void drawPolygon(std::span<const Point> p, Colour pen, Colour brush) override
    {
        m_real.drawPolygon(p, pen, brush);
    }

    void fillRect(const Rect &rect, Colour colour) override { m_real.fillRect(rect, colour); }

    Colour resolveColour(Colour colour) const override { return m_real.resolveColour(colour); }

private:
    PainterTextSurface &m_real;
};

// Pixels in the rectangle that differ from the background.
int inkIn(const QImage &image, const QRect &area, QRgb background)
{
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ink += image.pixel(x, y) != background;
    return ink;
}

} // namespace

TEST(PainterTextSurface, UsesLiberationSansAtWholePixelSizes)
{
    const QFont font = PainterTextSurface::qFontFor(liberation(10));
    EXPECT_EQ(QFontInfo(font).family(), u"Liberation Sans");
    EXPECT_EQ(font.pixelSize(), 13) << "10 points at 96 dpi, rounded";
    EXPECT_EQ(PainterTextSurface::qFontFor(liberation(9)).pixelSize(), 12);
    EXPECT_EQ(PainterTextSurface::qFontFor(liberation(-3)).pixelSize(), 1);
    EXPECT_EQ(PainterTextSurface::qFontFor(liberation(2'000'000)).pixelSize(), 1000);
}

TEST(PainterTextSurface, MeasuresWithThePrefixRuleAndCodePage1252)
{
    PainterTextSurface surface(nullptr, liberation(10));
    const QFontMetrics metrics(PainterTextSurface::qFontFor(liberation(10)));
    using namespace lw::platform;
    const TextFormat measure = TextSingleLine | TextCalcRect | TextExternalLeading;
    EXPECT_EQ(surface.measureText(u"(P&I)", measure).width,
            metrics.horizontalAdvance(QStringLiteral("(PI)")));
    EXPECT_EQ(surface.measureText(u"(P&I)", measure | TextNoPrefix).width,
            metrics.horizontalAdvance(QStringLiteral("(P&I)")));
    EXPECT_EQ(surface.measureText(u"a&&b", measure).width,
            metrics.horizontalAdvance(QStringLiteral("a&b")));
    EXPECT_EQ(surface.measureText(u"gh", measure).height, metrics.height() + metrics.leading());
    EXPECT_EQ(surface.textExtent(u"gh").height, metrics.height());
    // The euro, trade-mark and per-mille signs sit in 0x80..0x9F of code page 1252.
    EXPECT_EQ(surface.textExtent(QString(QChar(0x80))).width,
            metrics.horizontalAdvance(QChar(0x20AC)));
    EXPECT_EQ(surface.textExtent(QString(QChar(0x99))).width,
            metrics.horizontalAdvance(QChar(0x2122)));
    const int tab = 8 * metrics.averageCharWidth();
    EXPECT_EQ(surface.measureText(u"a\tb", measure | TextExpandTabs).width,
            tab + metrics.horizontalAdvance(QChar(u'b')));
}

TEST(PainterTextSurface, DisclaimerLaysOutCentredInItsLabel)
{
    QImage image(338, 133, QImage::Format_RGB32);
    const QRgb face = qRgb(0xF0, 0xF0, 0xF0);
    image.fill(face);
    QPainter painter(&image);
    PainterTextSurface real(&painter, liberation(9));
    RecordingSurface surface(real);
    const Rect label{ 4, 7, 334, 89 };
    MarkupResult measured;
    MarkupOptions measure;
    measure.measureOnly = true;
    DrawMarkup(surface, lw::test::disclaimerMarkup(), label, measure, measured);
    MarkupResult painted;
    DrawMarkup(surface, lw::test::disclaimerMarkup(), label, {}, painted);
    painter.end();
    image.save(QStringLiteral("/tmp/lw_disclaimer.png"));

    const QFontMetrics metrics(PainterTextSurface::qFontFor(liberation(9)));
    const int lineHeight = metrics.height() + metrics.leading();
    EXPECT_LE(measured.width, label.width() + 2);
    EXPECT_GT(measured.width, label.width() * 3 / 4);
    EXPECT_EQ(measured.height % lineHeight, 0);
    const int lines = measured.height / lineHeight;
    EXPECT_GE(lines, 4);
    EXPECT_LE(lines, 5) << "the label's 82 pixels hold the whole text";
    EXPECT_EQ(painted.height, measured.height);
    // Each line is centred: its first run starts as far from the left as its last ends
    // from the right, give or take the halving and a trailing space.
    std::map<int, std::pair<int, int>> extent;
    for (const auto &run : surface.runs) {
        auto it = extent.try_emplace(run.box.top, run.box.left, 0).first;
        it->second.second = run.box.left + run.width - (run.text.endsWith(u' ') ? 4 : 0);
        if (run.text == u"Though " || run.text == u"Consult ") {
            EXPECT_FALSE(run.font.bold) << run.text.toStdString();
        }
        if (run.text == u"there " || run.text == u"question.") {
            EXPECT_TRUE(run.font.bold) << run.text.toStdString();
        }
    }
    ASSERT_EQ(static_cast<int>(extent.size()), lines);
    for (const auto &[top, span] : extent) {
        EXPECT_NEAR(span.first - label.left, label.right - span.second, 6) << "line at " << top;
        EXPECT_GT(inkIn(image, QRect(span.first, top, span.second - span.first, lineHeight), face),
                50);
    }
}

TEST(PainterTextSurface, SecondPageTextsFitTheirLabelsAndTheirLinksAreHit)
{
    QImage image(647, 300, QImage::Format_RGB32);
    const QRgb window = qRgb(0xFF, 0xFF, 0xFF);
    image.fill(window);
    QPainter painter(&image);
    PainterTextSurface real(&painter, liberation(9));
    RecordingSurface surface(real);

    struct Label
    {
        QString markup;
        Rect rect;
    };

    const std::vector<Label> labels = {
        { lw::test::productHeadingMarkup(), { 10, 12, 217, 32 } },
        { lw::test::productBodyMarkup(), { 10, 40, 378, 217 } },
        { lw::test::productContentsMarkup(), { 10, 219, 639, 295 } },
    };
    for (const Label &label : labels) {
        MarkupResult result;
        MarkupOptions measure;
        measure.measureOnly = true;
        DrawMarkup(surface, label.markup, label.rect, measure, result);
        EXPECT_LE(result.width, label.rect.width() + 2);
        EXPECT_LE(result.height, label.rect.height() + 20) << "at most the empty closing line over";
        DrawMarkup(surface, label.markup, label.rect, {}, result);
    }
    painter.end();
    image.save(QStringLiteral("/tmp/lw_page2.png"));

    // Every run of the product name is a link; hit the middle of each and expect its target.
    int links = 0;
    for (const auto &run : surface.runs) {
        if (!run.text.startsWith(u"Homestake") && run.text != u"Suite")
            continue;
        // Labels are stacked from the top: the run belongs to the last one starting above it.
        const auto label = std::find_if(labels.rbegin(), labels.rend(), [&](const Label &l) {
            return run.box.top >= l.rect.top;
        });
        ASSERT_NE(label, labels.rend());
        MarkupOptions hit;
        hit.hitTestOnly = true;
        hit.x = run.box.left + run.width / 2;
        hit.y = run.box.bottom - 2;
        MarkupResult result;
        EXPECT_TRUE(DrawMarkup(surface, label->markup, label->rect, hit, result))
                << run.text.toStdString();
        EXPECT_EQ(result.anchor, u"https://homestake-suite.example/?ref=LWC451");
        EXPECT_EQ(run.font.colour, 0x00FF0000u);
        EXPECT_TRUE(run.font.underline);
        ++links;
    }
    EXPECT_GE(links, 4);
    EXPECT_GT(inkIn(image, QRect(10, 12, 207, 20), window), 100);
}
