#include "widgets/html/markup_text.h"

#include <random>

#include <QStringList>

#include <gtest/gtest.h>

#include "support/row_printers.h"
#include "widgets/html/markup_colour.h"
#include "widgets/html/markup_tags.h"

using namespace lw::html;
using lw::platform::systemColour;

namespace {

// The rule as stated: replace every occurrence, entity by entity, until nothing changes.
QString prepareNaively(QString text)
{
    static const QStringList names = { QStringLiteral("&amp;"), QStringLiteral("&quot;"),
        QStringLiteral("&sect;"), QStringLiteral("&permil;"), QStringLiteral("&reg;"),
        QStringLiteral("&copy;"), QStringLiteral("&para;"), QStringLiteral("&trade;"),
        QStringLiteral("&euro;") };
    static const QStringList values = { QStringLiteral("&&"), QStringLiteral("\""),
        QString(QChar(0xA7)), QString(QChar(0x89)), QString(QChar(0xAE)), QString(QChar(0xA9)),
        QString(QChar(0xB6)), QString(QChar(0x99)), QString(QChar(0x80)) };
    bool changed = true;
    while (changed) {
        changed = false;
        for (qsizetype i = 0; i < names.size(); ++i) {
            const qsizetype at = text.indexOf(names[i], 0, Qt::CaseInsensitive);
            if (at >= 0) {
                text.replace(at, names[i].size(), values[i]);
                changed = true;
            }
        }
    }
    return text;
}

} // namespace

TEST(PrepareMarkup, NamedEntitiesIgnoreLetterCase)
{
    EXPECT_EQ(prepareMarkup(u"&AMP;&Quot;&sect;&PerMil;&reg;&copy;&para;&trade;&euro;&nbsp;"),
            QStringView(u"&&\"\u00A7\u0089\u00AE\u00A9\u00B6\u0099\u0080&nbsp;"));
    // "&&amp;" still holds an entity: "&" followed by its "&&".
    EXPECT_EQ(prepareMarkup(u"&amp;amp;"), u"&&&") << "replaced until none is left";
    EXPECT_EQ(prepareMarkup(u"&amp;quot;"), u"&\"");
}

TEST(PrepareMarkup, OnePassMatchesRepeatedReplacement)
{
    std::mt19937 random(7);
    const QString alphabet = QStringLiteral("&;ampquotsecrgyhdlkeuAMPQ ");
    std::uniform_int_distribution<qsizetype> letter(0, alphabet.size() - 1);
    for (int round = 0; round < 20000; ++round) {
        QString text;
        for (int i = 0, n = static_cast<int>(random() % 24); i < n; ++i)
            text.append(alphabet[letter(random)]);
        ASSERT_EQ(prepareMarkup(text), prepareNaively(text)) << text.toStdString();
    }
}

TEST(PrepareMarkup, EscapeAndLineBreaks)
{
    EXPECT_EQ(prepareMarkup(u"a<#b>c<#d>"), u"a#bc<#d>") << "only the first escape";
    EXPECT_EQ(prepareMarkup(u"x<#"), u"x#");
    EXPECT_EQ(prepareMarkup(u"one\r\ntwo\nthree\r"), u"one<BR>twothree<BR>");
}

TEST(PrepareMarkup, RunEntitiesAreLowerCaseOnly)
{
    EXPECT_EQ(replaceRunEntities(u"&lt;&gt;&nbsp;&LT;&nbsp"), u"<> &LT;&nbsp");
}

TEST(ParseColour, HexValuesNamesAndOddInput)
{
    EXPECT_EQ(parseColour(u"#FF8000"), 0x000080FFu);
    EXPECT_EQ(parseColour(u"#ff8000"), 0x000080FFu);
    EXPECT_EQ(parseColour(u"#1"), 0u) << "shorter than three characters";
    EXPECT_EQ(parseColour(u"#12"), 0x00000012u);
    EXPECT_EQ(parseColour(u"#123"), 0x00003012u) << "missing digits read as zero";
    EXPECT_EQ(parseColour(u"#GG0000"), 0x00000010u) << "G counts as 16; the low byte is kept";
    EXPECT_EQ(parseColour(u"clRed"), 0x000000FFu);
    EXPECT_EQ(parseColour(u"CLNAVY"), 0x00800000u);
    EXPECT_EQ(parseColour(u"clInfoBk"), systemColour(lw::platform::SystemColour::InfoBackground));
    EXPECT_EQ(parseColour(u"cl3DDkShadow"), systemColour(lw::platform::SystemColour::DarkShadow3D));
    EXPECT_EQ(parseColour(u"purple"), 0u);
    EXPECT_EQ(parseColour(u""), 0u);
}

struct TagCase
{
    const char *name;
    const char16_t *tag;
    TagKind kind;
};

LW_PRINT_ROW_NAME(TagCase)

class ClassifyTag : public ::testing::TestWithParam<TagCase>
{
};

TEST_P(ClassifyTag, ByTheLettersAfterTheBracket)
{
    EXPECT_EQ(classifyTag(GetParam().tag), GetParam().kind)
            << QStringView(GetParam().tag).toString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Tags, ClassifyTag,
        ::testing::Values(TagCase{ "AnchorWithHref", u"<a href=\"x\">", TagKind::Anchor },
                TagCase{ "AnyWordFromA", u"<ABBR>", TagKind::Anchor },
                TagCase{ "AnchorEnd", u"</a>", TagKind::AnchorEnd },
                TagCase{ "Bold", u"<b>", TagKind::Bold },
                TagCase{ "BoldWithSpaceIgnored", u"<B >", TagKind::Ignored },
                TagCase{ "BoldEnd", u"</B>", TagKind::BoldEnd },
                TagCase{ "BlinkEnd", u"</blink>", TagKind::BlinkEnd },
                TagCase{ "Break", u"<br>", TagKind::Break },
                TagCase{ "BreakSelfClosed", u"<BR/>", TagKind::Break },
                TagCase{ "BodyWithColour", u"<body bgcolor=\"clRed\">", TagKind::Body },
                TagCase{ "Italic", u"<i>", TagKind::Italic },
                TagCase{ "AnyEndWordFromI", u"</italic>", TagKind::ItalicEnd },
                TagCase{ "Indent", u"<ind x=\"3\">", TagKind::Indent },
                TagCase{ "Image", u"<img>", TagKind::Image },
                TagCase{ "Paragraph", u"<p>", TagKind::Paragraph },
                TagCase{ "ParagraphEnd", u"</p>", TagKind::ParagraphEnd },
                TagCase{ "FontWithSize", u"<font size=2>", TagKind::Font },
                TagCase{ "FontEnd", u"</f>", TagKind::FontEnd },
                TagCase{ "UnclosedIgnored", u"</f", TagKind::Ignored },
                TagCase{ "Highlight", u"<hi>", TagKind::Highlight },
                TagCase{ "Rule", u"<hr>", TagKind::Rule },
                TagCase{ "Subscript", u"<sub>", TagKind::Subscript },
                TagCase{ "Superscript", u"<SUP>", TagKind::Superscript },
                TagCase{ "ScriptEnd", u"</su>", TagKind::ScriptEnd },
                TagCase{ "Strike", u"<s>", TagKind::Strike },
                TagCase{ "StrikeEnd", u"</strike>", TagKind::StrikeEnd },
                TagCase{ "Shadow", u"<shad>", TagKind::Shadow },
                TagCase{ "Underline", u"<u>", TagKind::Underline },
                TagCase{ "ListOpen", u"<ul>", TagKind::ListOpen },
                TagCase{ "ListClose", u"</ul>", TagKind::ListClose },
                TagCase{ "ListItem", u"<li>", TagKind::ListItem },
                TagCase{ "Hidden", u"<z>", TagKind::Hidden },
                TagCase{ "UnknownIgnored", u"<x>", TagKind::Ignored },
                TagCase{ "EmptyIgnored", u"<>", TagKind::Ignored }),
        lw::test::RowName());

TEST(TagAttributes, QuotedValuesAndNumbers)
{
    const TagText tag(u"<P align=\"Center\" indent=\"12\" bgcolor=\"#00FF00\">");
    EXPECT_EQ(tag.upperValue(u"ALIGN"), u"CENTER");
    EXPECT_EQ(tag.originalValue(u"ALIGN"), u"Center");
    EXPECT_EQ(tag.upperValue(u"INDENT"), u"12");
    EXPECT_TRUE(tag.upperValue(u"FACE").isEmpty());
    EXPECT_TRUE(TagText(u"<p align=center>").upperValue(u"ALIGN").isEmpty());
    EXPECT_EQ(alignmentOf(u"LEFT RIGHT", 0), 1) << "the last of the words found wins";
    EXPECT_EQ(alignmentOf(u"CENTER LEFT", 1), 2);
    EXPECT_EQ(alignmentOf(u"MIDDLE", 1), 1);

    EXPECT_EQ(readNumber(u"  -42px"), -42);
    EXPECT_EQ(readNumber(u"+7"), 7);
    EXPECT_EQ(readNumber(u"x1"), 0);
    EXPECT_EQ(readNumber(u"99999999999999999999"), 1'000'000) << "saturates";
}

TEST(TagAttributes, FontSizes)
{
    const auto size = [](QStringView text) {
        bool present = false;
        const int points = fontSizeOf(TagText(text), present);
        return present ? points : -999;
    };
    EXPECT_EQ(size(u"<font size=1>"), 8);
    EXPECT_EQ(size(u"<font size=2>"), 10);
    EXPECT_EQ(size(u"<font size=\"5\">"), 16);
    EXPECT_EQ(size(u"<font size = 7>"), 7);
    EXPECT_EQ(size(u"<font size=abc>"), 0);
    EXPECT_EQ(size(u"<font color=\"clRed\">"), -999);
    // A quoted attribute after an unquoted size does not swallow the number.
    EXPECT_EQ(size(u"<font size=2 face=\"Arial\">"), 10);
}
