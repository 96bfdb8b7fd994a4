#include <random>
#include <string>

#include <QElapsedTimer>
#include <QStringList>

#include <gtest/gtest.h>

#include "support/row_printers.h"
#include "widgets/html/draw_markup.h"
#include "widgets/html/fake_text_surface.h"
#include "widgets/html/program_texts.h"

using lw::html::DrawMarkup;
using lw::html::MarkupOptions;
using lw::html::MarkupResult;
using lw::platform::Rect;
using lw::test::FakeTextSurface;

namespace {

// Bounded by time rather than count, so that sanitizer builds take no longer.
constexpr qint64 fuzzMilliseconds = 3000;

const QStringList fragments = {
    QStringLiteral("<"),
    QStringLiteral(">"),
    QStringLiteral("</"),
    QStringLiteral("\""),
    QStringLiteral("="),
    QStringLiteral(" "),
    QStringLiteral("  "),
    QStringLiteral("&"),
    QStringLiteral(";"),
    QStringLiteral("&amp;"),
    QStringLiteral("&nbsp;"),
    QStringLiteral("&lt;"),
    QStringLiteral("&euro;"),
    QStringLiteral("<#"),
    QStringLiteral("\r\n"),
    QStringLiteral("\t"),
    QStringLiteral("<b>"),
    QStringLiteral("</b>"),
    QStringLiteral("<i>"),
    QStringLiteral("</i>"),
    QStringLiteral("<br>"),
    QStringLiteral("<p>"),
    QStringLiteral("</p>"),
    QStringLiteral("<P align=\"center\">"),
    QStringLiteral("<p align=\"right\" indent=\"-9\">"),
    QStringLiteral("<a href=\"x\">"),
    QStringLiteral("</a>"),
    QStringLiteral("<font size=2>"),
    QStringLiteral("<font size=99999999999>"),
    QStringLiteral("<font size=-2147483648>"),
    QStringLiteral("<font size=\""),
    QStringLiteral("</font>"),
    QStringLiteral("<font face=\"\">"),
    QStringLiteral("<font color=\"#"),
    QStringLiteral("<font bgcolor=\"clRed\">"),
    QStringLiteral("<body bgcolor=\"#FF0000\" bgcolorto=\"clBlue\" dir=\"v\">"),
    QStringLiteral("<p bgcolor=\"cllime\" bgcolorto=\"#00\">"),
    QStringLiteral("<ul>"),
    QStringLiteral("</ul>"),
    QStringLiteral("<li>"),
    QStringLiteral("</li>"),
    QStringLiteral("<hr>"),
    QStringLiteral("<e>"),
    QStringLiteral("</e>"),
    QStringLiteral("<hi>"),
    QStringLiteral("</hi>"),
    QStringLiteral("<sub>"),
    QStringLiteral("<sup>"),
    QStringLiteral("</sub>"),
    QStringLiteral("<s>"),
    QStringLiteral("</s>"),
    QStringLiteral("<shad>"),
    QStringLiteral("</shad>"),
    QStringLiteral("<z>"),
    QStringLiteral("</z>"),
    QStringLiteral("<u>"),
    QStringLiteral("</u>"),
    QStringLiteral("<blink>"),
    QStringLiteral("</blink>"),
    QStringLiteral("<ind x=\"40\">"),
    QStringLiteral("<of x=\"900\">"),
    QStringLiteral("</of>"),
    QStringLiteral("<img src=\"idx:1\">"),
    QStringLiteral("<r a=\"90\">"),
    QStringLiteral("word"),
    QStringLiteral("W"),
    QStringLiteral("\xe9"),
};

class Fuzzer
{
public:
    explicit Fuzzer(unsigned seed)
        : m_random(seed)
    { }

    QString randomMarkup()
    {
        QString text;
        const int pieces = pick(40);
        for (int i = 0; i < pieces; ++i) {
            if (pick(4) == 0)
                text.append(QChar(static_cast<char16_t>(pick(0x180))));
            else
                text.append(fragments[pick(static_cast<int>(fragments.size()))]);
        }
        return text;
    }

    QString colourTag()
    {
        QString value;
        for (int i = 0, n = pick(12); i < n; ++i)
            value.append(QChar(static_cast<char16_t>(u'0' + pick(60))));
        return QStringLiteral("<font color=\"#") + value + QStringLiteral("\">x");
    }

    QString mutated(QString text)
    {
        for (int i = 0, n = 1 + pick(8); i < n && !text.isEmpty(); ++i) {
            const qsizetype at = pick(static_cast<int>(text.size()));
            switch (pick(3)) {
            case 0:
                text.remove(at, 1 + pick(5));
                break;
            case 1:
                text.insert(at, fragments[pick(static_cast<int>(fragments.size()))]);
                break;
            default:
                text[at] = QChar(static_cast<char16_t>(pick(0x100)));
                break;
            }
        }
        return text;
    }

    void run(const QString &text)
    {
        FakeTextSurface surface;
        const auto base = surface.font();
        surface.setFillColour(0x00010203);
        MarkupOptions options;
        options.wordWrap = pick(4) != 0;
        options.measureOnly = pick(4) == 0;
        options.hitTestOnly = pick(3) == 0;
        options.x = pick(400) - 20;
        options.y = pick(200) - 20;
        options.lineSpacing = pick(10) - 3;
        options.hover = pick(5) == 0;
        options.hoverLink = pick(3);
        const int left = pick(50) - 10;
        const Rect rect{ left, pick(50) - 10, left + pick(500) - 20, pick(400) - 20 };
        MarkupResult result;
        DrawMarkup(surface, text, rect, options, result);
        ASSERT_EQ(surface.font(), base);
        ASSERT_EQ(surface.fillColour(), 0x00010203u);
        ASSERT_GE(result.width, 0);
    }

    int pick(int below)
    {
        return below <= 0 ? 0 : static_cast<int>(m_random() % static_cast<unsigned>(below));
    }

private:
    std::mt19937 m_random;
};

} // namespace

TEST(MarkupFuzz, RandomAndMutatedMarkupNeverCrashesOrHangs)
{
    Fuzzer fuzzer(20240611);
    const QStringList seeds = { lw::test::disclaimerMarkup(), lw::test::productHeadingMarkup(),
        lw::test::productBodyMarkup(), lw::test::productContentsMarkup() };
    QElapsedTimer timer;
    timer.start();
    int cases = 0;
    while (timer.elapsed() < fuzzMilliseconds) {
        switch (cases % 3) {
        case 0:
            fuzzer.run(fuzzer.randomMarkup());
            break;
        case 1:
            fuzzer.run(fuzzer.mutated(seeds[fuzzer.pick(4)]));
            break;
        default:
            fuzzer.run(fuzzer.colourTag());
            break;
        }
        if (HasFatalFailure())
            return;
        ++cases;
    }
    RecordProperty("cases", cases);
    EXPECT_GT(cases, 100);
}

TEST(MarkupFuzz, TruncatedTagsDropTheRestOfTheText)
{
    FakeTextSurface surface;
    MarkupResult result;
    const Rect rect{ 0, 0, 300, 300 };
    for (QStringView text : { u"ab<", u"ab<b", u"ab</", u"ab</b", u"ab<font size=\"2", u"ab<<<" }) {
        surface.clear();
        DrawMarkup(surface, text, rect, {}, result);
        ASSERT_EQ(surface.texts.size(), 1u) << text.toString().toStdString();
        EXPECT_EQ(surface.texts[0].text, u"ab");
    }
}

TEST(MarkupFuzz, DeepNestingAndAMegabyteAreLaidOut)
{
    FakeTextSurface surface;
    MarkupResult result;
    const Rect rect{ 0, 0, 400, 1 << 30 };
    MarkupOptions measure;
    measure.measureOnly = true;
    QString nested;
    for (int i = 0; i < 100000; ++i)
        nested += QStringLiteral("<b><font size=3><a href=\"n\"><p align=\"center\"><ul><li>");
    nested += QStringLiteral("deep");
    DrawMarkup(surface, nested, rect, {}, result);
    EXPECT_GT(result.height, 0);

    QString megabyte;
    while (megabyte.size() < (1 << 20))
        megabyte += QStringLiteral("Some <b>bold</b> words &amp; a <a href=\"x\">link</a><br>");
    DrawMarkup(surface, megabyte, rect, measure, result);
    EXPECT_GT(result.height, 1000);
    DrawMarkup(surface, QString(1 << 20, u'x'), rect, {}, result);
    DrawMarkup(surface, QString(1 << 20, u'<'), rect, {}, result);
    DrawMarkup(surface, QString(QString(1 << 20, u' ') + u'x'), rect, {}, result);
    EXPECT_EQ(result.height, FakeTextSurface::height(surface.font()) + 1);
}

namespace {

struct GrowthRow
{
    const char *name;
    const char16_t *piece;
    int copies;
};

LW_PRINT_ROW_NAME(GrowthRow)

class MarkupGrowth : public ::testing::TestWithParam<GrowthRow>
{
};

// The work is counted as the characters measured on the surface, which a busy machine cannot
// blur: twice the text may cost at most a little over twice the work.
TEST_P(MarkupGrowth, TwiceTheTextAtMostDoublesTheWork)
{
    const GrowthRow &row = GetParam();
    const auto work = [&row](int copies) {
        FakeTextSurface surface;
        MarkupResult result;
        DrawMarkup(surface, QString::fromUtf16(row.piece).repeated(copies),
                Rect{ 0, 0, 400, 1 << 30 }, {}, result);
        return surface.measuredCharacters;
    };
    const qint64 single = work(row.copies);
    EXPECT_GT(single, 0);
    EXPECT_LE(work(2 * row.copies), 2 * single + single / 10);
}

INSTANTIATE_TEST_SUITE_P(MarkupFuzz, MarkupGrowth,
        ::testing::Values(
                GrowthRow{ "NestedTags",
                        u"<b><font size=3><a href=\"n\"><p align=\"center\"><ul><li>d", 20000 },
                GrowthRow{ "WordsTagsAndLinks",
                        u"Some <b>bold</b> words &amp; a <a href=\"x\">link</a><br>", 10000 },
                GrowthRow{ "OneLongWord", u"x", 1 << 18 },
                GrowthRow{ "TabsAndPrefixes", u"\tx&a ", 1 << 16 }),
        [](const ::testing::TestParamInfo<GrowthRow> &row) {
            return std::string(row.param.name);
        });

} // namespace
