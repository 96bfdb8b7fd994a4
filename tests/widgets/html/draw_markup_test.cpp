#include "widgets/html/draw_markup.h"

#include <map>
#include <ostream>

#include <gtest/gtest.h>

#include "support/row_printers.h"
#include "widgets/html/fake_text_surface.h"

using lw::html::DrawMarkup;
using lw::html::MarkupOptions;
using lw::html::MarkupResult;
using lw::platform::FontSpec;
using lw::platform::Rect;
using lw::test::FakeTextSurface;
using namespace Qt::StringLiterals;

namespace {

FontSpec withSize(FontSpec font, int points)
{
    font.pointSize = points;
    return font;
}

class DrawMarkupTest : public ::testing::Test
{
protected:
    bool draw(QStringView text, const Rect &rect, const MarkupOptions &options = {})
    {
        surface.clear();
        return DrawMarkup(surface, text, rect, options, result);
    }

    // Widths and heights the fake reports for the base font and for 10 points (SIZE=2).
    const FontSpec base = FakeTextSurface::defaultFont();
    const int adv = FakeTextSurface::advance(base);
    const int textH = FakeTextSurface::height(base);
    const int lineH = textH + FakeTextSurface::leading(base);
    const FontSpec ten = withSize(base, 10);
    const int adv10 = FakeTextSurface::advance(ten);
    const int textH10 = FakeTextSurface::height(ten);
    const int lineH10 = textH10 + FakeTextSurface::leading(ten);

    FakeTextSurface surface;
    MarkupResult result;
    const Rect wide{ 10, 5, 1010, 505 };
};

TEST_F(DrawMarkupTest, EmptyTextReportsNoWidthAndTheHeightOfGh)
{
    for (QStringView text : { u"", u"   ", u"\n" }) {
        EXPECT_FALSE(draw(text, wide));
        EXPECT_EQ(result.width, 0);
        EXPECT_EQ(result.height, textH);
        EXPECT_TRUE(surface.texts.empty());
    }
}

TEST_F(DrawMarkupTest, RunsAreCutAfterSpacesAndDrawnBottomAligned)
{
    draw(u"  Hello world  ", wide);
    ASSERT_EQ(surface.texts.size(), 2u);
    EXPECT_EQ(surface.texts[0].text, u"Hello ");
    EXPECT_EQ(surface.texts[0].box, (Rect{ 10, 5, 1010, 5 + lineH }));
    EXPECT_EQ(surface.texts[1].text, u"world");
    EXPECT_EQ(surface.texts[1].x(), 10 + 6 * adv);
    EXPECT_TRUE(surface.texts[0].format & lw::platform::TextBottom);
    EXPECT_FALSE(surface.texts[0].format & lw::platform::TextCalcRect);
    EXPECT_EQ(result.width, 11 * adv + 2);
    EXPECT_EQ(result.height, lineH);
}

TEST_F(DrawMarkupTest, TwoSpacesAreDrawnAsTwoAndLeadingSpacesAreRemoved)
{
    draw(u"   a  b", wide);
    ASSERT_EQ(surface.texts.size(), 3u);
    EXPECT_EQ(surface.texts[0].text, u"a ");
    EXPECT_EQ(surface.texts[0].x(), 10);
    EXPECT_EQ(surface.texts[1].text, u" ");
    EXPECT_EQ(surface.texts[1].x(), 10 + 2 * adv);
    EXPECT_EQ(surface.texts[2].text, u"b");
    EXPECT_EQ(surface.texts[2].x(), 10 + 3 * adv);
}

TEST_F(DrawMarkupTest, BreakAfterFontGivesAnEmptyLineOfTheTextHeight)
{
    draw(u"<p><font size=2>one<br></font></p><p><font size=2>two", wide);
    ASSERT_EQ(surface.texts.size(), 2u);
    EXPECT_EQ(surface.texts[0].text, u"one");
    EXPECT_EQ(surface.texts[0].font.pointSize, 10);
    EXPECT_EQ(surface.texts[0].box.bottom, 5 + lineH10);
    // The second line holds only "</font></p>": the height of "gh" at 10 points.
    EXPECT_EQ(surface.texts[1].text, u"two");
    EXPECT_EQ(surface.texts[1].box.top, 5 + lineH10 + textH10);
    EXPECT_EQ(surface.texts[1].box.bottom, 5 + lineH10 + textH10 + lineH10);
    EXPECT_EQ(result.height, 2 * lineH10 + textH10);
    EXPECT_EQ(result.width, 3 * adv10 + 2);

    draw(u"<p>one</p><p>two</p>", wide);
    EXPECT_EQ(result.height, 2 * lineH) << "a closing paragraph alone adds no blank line";
    draw(u"one<br><br>two", wide);
    EXPECT_EQ(result.height, 2 * lineH + textH);
}

TEST_F(DrawMarkupTest, AlignmentStaysUntilAnotherParagraphSetsIt)
{
    const Rect rect{ 10, 5, 110, 505 };
    draw(u"<P align=\"center\">ab<br><p>cde<br>f<P ALIGN=\"right\">g<br>hi<p align=\"left\">",
            rect);
    ASSERT_EQ(surface.texts.size(), 5u);
    EXPECT_EQ(surface.texts[0].x(), 10 + (100 - 2 * adv) / 2);
    EXPECT_EQ(surface.texts[1].x(), 10 + (100 - 3 * adv) / 2) << "<p> without attributes";
    // The alignment in force at the end of a line places the whole line.
    EXPECT_EQ(surface.texts[2].x(), 110 - 2 * adv);
    EXPECT_EQ(surface.texts[3].x(), 110 - adv);
    EXPECT_EQ(surface.texts[4].x(), 10);

    draw(u"<p indent=\"7\">a<br>b", rect);
    EXPECT_EQ(surface.texts[0].x(), 17);
    EXPECT_EQ(surface.texts[1].x(), 17);
}

TEST_F(DrawMarkupTest, LinesWiderThanTheRectangleStartAtItsLeftEdge)
{
    const Rect narrow{ 10, 5, 30, 505 };
    draw(u"<P align=\"center\">abcdefghij", narrow);
    EXPECT_EQ(surface.texts.at(0).x(), 10);
    draw(u"<P align=\"right\">abcdefghij", narrow);
    EXPECT_EQ(surface.texts.at(0).x(), 10);
}

TEST_F(DrawMarkupTest, AWordWiderThanTheLineOverflowsAndTheNextWordWraps)
{
    const Rect narrow{ 10, 5, 10 + 5 * adv, 505 };
    draw(u"abcdefghij klm", narrow);
    ASSERT_EQ(surface.texts.size(), 2u);
    EXPECT_EQ(surface.texts[0].text, u"abcdefghij ");
    EXPECT_EQ(surface.texts[0].box.top, 5);
    EXPECT_EQ(surface.texts[1].text, u"klm");
    EXPECT_EQ(surface.texts[1].box.top, 5 + lineH);
    EXPECT_EQ(surface.texts[1].x(), 10);
    EXPECT_EQ(result.width, 10 * adv + 2) << "the overflowing line, less its trailing space";
}

TEST_F(DrawMarkupTest, ALineAsWideAsTheRectangleWithItsTrailingSpaceWraps)
{
    const Rect exact{ 0, 0, 10 * adv, 500 };
    draw(u"aaaa bbbb cc", exact);
    ASSERT_EQ(surface.texts.size(), 3u);
    EXPECT_EQ(surface.texts[1].text, u"bbbb ");
    EXPECT_EQ(surface.texts[1].box.top, lineH) << "10 characters with the space do not fit";
    EXPECT_EQ(result.width, 7 * adv + 2) << "\"bbbb cc\" is the wider line";

    draw(u"aaaa bbbb cc", { 0, 0, 10 * adv + 1, 500 });
    EXPECT_EQ(surface.texts[1].box.top, 0);
    EXPECT_EQ(result.width, 9 * adv + 2);

    draw(u"aaaa bbbbb", exact);
    EXPECT_EQ(surface.texts[1].box.top, lineH) << "the last word alone still fills the line";
    draw(u"aaaa bbbb", exact);
    EXPECT_EQ(surface.texts[1].box.top, 0) << "without the trailing space it fits";
}

TEST_F(DrawMarkupTest, AmpersandUnderlinesTheNextCharacterUnlessTheTextHasAFreeAmpersand)
{
    draw(u"(P&I)", wide);
    ASSERT_EQ(surface.texts.size(), 1u);
    EXPECT_EQ(surface.texts[0].text, u"(PI)");
    EXPECT_EQ(surface.texts[0].underlined, QList<qsizetype>({ 2 }));
    EXPECT_EQ(result.width, 4 * adv + 2);

    draw(u"a&amp;b", wide);
    EXPECT_EQ(surface.texts.at(0).text, u"a&b");
    EXPECT_TRUE(surface.texts[0].underlined.isEmpty());

    draw(u"Q & A: (P&I) &amp;", wide);
    QString shown;
    for (const auto &t : surface.texts)
        shown += t.text;
    EXPECT_EQ(shown, u"Q & A: (P&I) &&");
    EXPECT_EQ(result.width, 15 * adv + 2);
}

TEST_F(DrawMarkupTest, EscapedAngleBracketsAreTextAndStartNoTag)
{
    draw(u"&lt;b&gt;x &nbsp;y &LT;", wide);
    ASSERT_GE(surface.texts.size(), 1u);
    EXPECT_EQ(surface.texts[0].text, u"<b>x ");
    EXPECT_FALSE(surface.texts[0].font.bold);
    EXPECT_EQ(surface.texts[1].text, u" y ") << "&nbsp; gives a space that does not break";
    EXPECT_EQ(surface.texts.back().text, u"LT;") << "upper case is no entity; & is a prefix";
}

TEST_F(DrawMarkupTest, FontEndInsideABoldLinkKeepsBoldAndUnderline)
{
    FontSpec coloured = base;
    coloured.colour = 0x00123456;
    surface.setFont(coloured);
    MarkupOptions options;
    options.urlColor = 0x00FF0000;
    draw(u"<font size=2 color=\"#00FF00\" face=\"Other\">a<a href=\"x\"><b>bc</font>de</b></a>f",
            wide, options);
    ASSERT_EQ(surface.texts.size(), 4u);
    const auto &inLink = surface.texts[1].font;
    EXPECT_EQ(inLink.pointSize, 10);
    EXPECT_EQ(inLink.name, u"OTHER");
    EXPECT_TRUE(inLink.bold && inLink.underline);
    EXPECT_EQ(inLink.colour, 0x00FF0000u);
    const auto &after = surface.texts[2].font;
    EXPECT_EQ(surface.texts[2].text, u"de");
    EXPECT_EQ(after.pointSize, base.pointSize);
    EXPECT_EQ(after.name, base.name);
    EXPECT_TRUE(after.bold && after.underline);
    EXPECT_EQ(after.colour, 0x00123456u);
    EXPECT_EQ(surface.texts[2].x(), 10 + adv10 + 2 * (adv10 + 1));
    const auto &plain = surface.texts[3].font;
    EXPECT_FALSE(plain.bold || plain.underline);
    EXPECT_EQ(surface.font(), coloured) << "the surface gets its base font back";
}

TEST_F(DrawMarkupTest, FontAttributes)
{
    draw(u"<font size=3 color=\"#ff8000\">a</font><font size=\"20\">b<font size=0>c"
         u"<font color=\"clBtnFace\" size=-4>d",
            wide);
    ASSERT_EQ(surface.texts.size(), 4u);
    EXPECT_EQ(surface.texts[0].font.pointSize, 12);
    EXPECT_EQ(surface.texts[0].font.colour, 0x000080FFu);
    EXPECT_EQ(surface.texts[1].font.pointSize, 20);
    EXPECT_EQ(surface.texts[2].font.pointSize, 0);
    EXPECT_EQ(surface.texts[3].font.pointSize, -4);
    EXPECT_EQ(surface.texts[3].font.colour,
            lw::platform::systemColour(lw::platform::SystemColour::ButtonFace));
}

TEST_F(DrawMarkupTest, FillColourIsNoneDuringTheCallAndRestoredAfterIt)
{
    surface.setFillColour(0x00ABCDEF);
    draw(u"a<font bgcolor=\"clRed\">b</font>c<P bgcolor=\"#0000FF\">d</P>e", wide);
    ASSERT_EQ(surface.texts.size(), 5u);
    EXPECT_EQ(surface.texts[0].fill, lw::platform::colourNone);
    EXPECT_EQ(surface.texts[1].fill, 0x000000FFu);
    EXPECT_EQ(surface.texts[2].fill, lw::platform::colourNone);
    EXPECT_EQ(surface.texts[3].fill, 0x00FF0000u);
    ASSERT_EQ(surface.fills.size(), 1u) << "the paragraph's line box";
    EXPECT_EQ(surface.fills[0].rect, (Rect{ 10, 5, 1010, 5 + lineH }));
    EXPECT_EQ(surface.texts[4].fill, lw::platform::colourNone);
    EXPECT_EQ(surface.fillColour(), 0x00ABCDEFu);
}

TEST_F(DrawMarkupTest, LayoutStopsAtTheRectangleBottomUnlessOnlyMeasuring)
{
    const Rect shortRect{ 0, 0, 100, 2 * lineH + textH - 1 };
    draw(u"a<br>b<br>c", shortRect);
    EXPECT_EQ(surface.texts.size(), 2u);
    EXPECT_EQ(result.height, 2 * lineH);
    draw(u"a<br>b<br>c", { 0, 0, 100, 2 * lineH + textH });
    EXPECT_EQ(surface.texts.size(), 3u);

    MarkupOptions measure;
    measure.measureOnly = true;
    draw(u"a<br>b<br>c", shortRect, measure);
    EXPECT_TRUE(surface.texts.empty());
    EXPECT_EQ(result.height, 3 * lineH);
}

TEST_F(DrawMarkupTest, ReportedWidthIsTwoMoreThanTheFirstWidestLine)
{
    // 5 characters, then 4 bold ones of the same width, then 6.
    draw(u"aaaaa<br><b>aaaa</b><br>aaaaaa", wide);
    EXPECT_EQ(result.width, 6 * adv + 2);
    draw(u"aaaaaa<br>aaaaa", wide);
    EXPECT_EQ(result.width, 6 * adv + 2);
}

TEST_F(DrawMarkupTest, LineSpacingSubscriptAndHiddenText)
{
    MarkupOptions spaced;
    spaced.lineSpacing = 3;
    draw(u"a<br>b", wide, spaced);
    EXPECT_EQ(surface.texts.at(1).box.top, 5 + lineH + 3);
    EXPECT_EQ(result.height, 2 * (lineH + 3));

    draw(u"a<sub>b</sub>c<br>d", wide);
    const int extra = lineH / 4;
    EXPECT_EQ(surface.texts.at(0).box.bottom, 5 + lineH);
    EXPECT_EQ(surface.texts.at(1).box.bottom, 5 + lineH + extra);
    EXPECT_EQ(surface.texts.at(3).box.top, 5 + lineH + extra);

    draw(u"<z>hidden words</z>x", wide);
    ASSERT_EQ(surface.texts.size(), 1u);
    EXPECT_EQ(surface.texts[0].x(), 10);
    EXPECT_EQ(result.width, adv + 2);
}

TEST_F(DrawMarkupTest, WithoutWordWrapALineIsCutOnlyAtTags)
{
    MarkupOptions noWrap;
    noWrap.wordWrap = false;
    draw(u"aaaa bbbb cccc<b>dddd", { 0, 0, 8 * adv, 500 }, noWrap);
    ASSERT_EQ(surface.texts.size(), 1u) << "the bold run starts beyond the edge";
    EXPECT_EQ(surface.texts[0].text, u"aaaa ...");
    EXPECT_TRUE(surface.texts[0].format & lw::platform::TextEndEllipsis);
    EXPECT_EQ(result.height, lineH);
    EXPECT_EQ(result.width, 14 * adv + 4 * FakeTextSurface::advance([&] {
        FontSpec bold = base;
        bold.bold = true;
        return bold;
    }()) + 2);
}

class HitTest : public DrawMarkupTest
{
protected:
    bool hit(int x, int y)
    {
        MarkupOptions options;
        options.x = x;
        options.y = y;
        options.hitTestOnly = true;
        return draw(text, rect, options);
    }

    const QString text = QStringLiteral("go <a href=\"http://t.example/?ref=A\">link</a> end "
                                        "<A HREF=\"second\">two words</A>");
    const Rect rect{ 10, 5, 10 + 18 * adv, 500 };
};

TEST_F(HitTest, TheRunOfALinkIsHitWithinItsOffsetsInclusive)
{
    const int bottom = 5 + lineH;
    EXPECT_TRUE(hit(10 + 3 * adv, bottom - 1));
    EXPECT_EQ(result.anchor, u"http://t.example/?ref=A");
    EXPECT_EQ(result.linkUnderPoint, 1);
    EXPECT_EQ(result.linkRect, (Rect{ 10 + 3 * adv, 5, 10 + 7 * adv, bottom }));
    EXPECT_TRUE(hit(10 + 7 * adv, bottom - 1));
    EXPECT_FALSE(hit(10 + 3 * adv - 1, bottom - 1));
    EXPECT_FALSE(hit(10 + 7 * adv + 1, bottom - 1)) << "the space after the link is no link";
    EXPECT_TRUE(surface.texts.empty()) << "hit testing paints nothing";
}

TEST_F(HitTest, TheBandIsOneTextHeightAboveTheLineBottom)
{
    const int bottom = 5 + lineH;
    const int x = 10 + 4 * adv;
    EXPECT_FALSE(hit(x, bottom - textH));
    EXPECT_TRUE(hit(x, bottom - textH + 1));
    EXPECT_FALSE(hit(x, bottom));
    EXPECT_FALSE(hit(x, 5));
}

TEST_F(HitTest, ALinkAcrossTwoLinesIsRecordedOnItsLastLineFromTheLeftEdge)
{
    // "two " still fits on the first line (16 of 18 characters); "words" wraps.
    const Rect secondLine{ 10, 5 + lineH, 10 + 5 * adv, 5 + 2 * lineH };
    EXPECT_TRUE(hit(10 + 2 * adv, 5 + 2 * lineH - 1));
    EXPECT_EQ(result.anchor, u"second");
    EXPECT_EQ(result.linkUnderPoint, 2);
    EXPECT_EQ(result.linkRect, secondLine);
    EXPECT_FALSE(hit(10 + 2 * adv, 5 + lineH - 1)) << "\"go \" lies there, in no link";

    EXPECT_TRUE(hit(10 + 13 * adv, 5 + lineH - 1));
    EXPECT_EQ(result.anchor, u"second");
    EXPECT_EQ(result.linkRect, secondLine) << "recorded at the end tag";
}

TEST_F(HitTest, MeasuringAndPaintingCalls)
{
    MarkupOptions measure;
    measure.measureOnly = true;
    measure.x = 10 + 4 * adv;
    measure.y = 5 + lineH - 1;
    EXPECT_FALSE(draw(text, rect, measure));
    MarkupOptions paint = measure;
    paint.measureOnly = false;
    EXPECT_TRUE(draw(text, rect, paint));
    EXPECT_FALSE(surface.texts.empty());
    EXPECT_FALSE(hit(-1, -1));
    EXPECT_FALSE(hit(0, 0));
}

TEST_F(DrawMarkupTest, SecondaryTagsDrawTheirDecorations)
{
    draw(u"a<hr>b<e>err</e><ul><li>x<li>y</ul><s>s</s><u>u</u>", wide);
    ASSERT_FALSE(surface.lines.empty());
    const auto &rule = surface.lines.front();
    EXPECT_EQ(rule.points.front(), (lw::platform::Point{ 10, 5 + lineH }));
    EXPECT_EQ(rule.points.back(), (lw::platform::Point{ 1010, 5 + lineH }));
    EXPECT_EQ(surface.lines.size(), 2u) << "the error mark";
    EXPECT_EQ(surface.polygons.size(), 2u) << "one bullet per list item, one item per line";
    bool struck = false;
    bool underlined = false;
    for (const auto &t : surface.texts) {
        struck |= t.text == u"s" && t.font.strikeOut;
        underlined |= t.text == u"u" && t.font.underline;
    }
    EXPECT_TRUE(struck);
    EXPECT_TRUE(underlined);
}

// How a run of text looks: text colour, underline and the fill behind it.
struct Look
{
    lw::platform::Colour colour;
    bool underline;
    lw::platform::Colour fill;

    friend bool operator==(const Look &, const Look &) = default;

    friend std::ostream &operator<<(std::ostream &out, const Look &look)
    {
        return out << std::hex << "colour " << look.colour << (look.underline ? " underlined" : "")
                   << " fill " << look.fill;
    }
};

constexpr lw::platform::Colour url = 0x00FF0000;
constexpr lw::platform::Colour hoverText = 0x000000FF;
constexpr lw::platform::Colour hoverBack = 0x0000FFFF;
constexpr lw::platform::Colour none = lw::platform::colourNone;

struct HoverCase
{
    const char *name;
    bool hover;
    int hoverLink;
    lw::platform::Colour hoverColor;
    lw::platform::Colour hoverFontColor;
    Look links[3];
};

LW_PRINT_ROW_NAME(HoverCase)

class HoverStyle : public DrawMarkupTest, public ::testing::WithParamInterface<HoverCase>
{
};

TEST_P(HoverStyle, OnlyTheHoveredLinkIsUnderlinedInTheHoverColours)
{
    const HoverCase &row = GetParam();
    MarkupOptions options;
    options.urlColor = url;
    options.hover = row.hover;
    options.hoverLink = row.hoverLink;
    options.hoverColor = row.hoverColor;
    options.hoverFontColor = row.hoverFontColor;
    draw(u"a <a href=\"1\">one</a> b <a href=\"2\">two</a> c <a href=\"3\">three</a> d", wide,
            options);
    std::map<QString, Look> looks;
    for (const auto &t : surface.texts)
        looks[t.text.trimmed()] = { t.font.colour, t.font.underline, t.fill };
    const Look plain{ base.colour, false, none };
    EXPECT_EQ(looks[u"one"_s], row.links[0]);
    EXPECT_EQ(looks[u"two"_s], row.links[1]);
    EXPECT_EQ(looks[u"three"_s], row.links[2]);
    for (const QString &after : { u"b"_s, u"c"_s, u"d"_s })
        EXPECT_EQ(looks[after], plain) << "after a link: " << after.toStdString();
}

const Look link{ url, true, none };
const Look idle{ url, false, none };

INSTANTIATE_TEST_SUITE_P(DrawMarkup, HoverStyle,
        ::testing::Values(HoverCase{ "OffDrawsEveryLinkAlike", false, 2, hoverBack, hoverText,
                                  { link, link, link } },
                HoverCase{ "OnDrawsTheHoveredLinkInTheHoverColours", true, 2, hoverBack, hoverText,
                        { idle, { hoverText, true, hoverBack }, idle } },
                HoverCase{ "OnWithoutHoverColoursKeepsTheLinkColour", true, 3, none, none,
                        { idle, idle, link } },
                HoverCase{ "OnWithNoLinkHoveredUnderlinesNone", true, -1, hoverBack, hoverText,
                        { idle, idle, idle } }),
        [](const auto &param) {
            return std::string(param.param.name);
        });

} // namespace
