#include "widgets/numeric/numeric_text.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "support/row_printers.h"
#include "widgets/numeric/mask_layout.h"
#include "widgets/numeric/ovcintl.h"

using namespace Qt::StringLiterals;
using lw::numeric::MaskLayout;
using lw::numeric::NumericText;
using lw::numeric::TOvcIntlSup;

namespace {

const QString moneyMask = u"###,###,###.##"_s;
const QString rateMask = u"###.####"_s;

TOvcIntlSup localeWith(const QString &decimal, const QString &thousand, const QString &currency)
{
    lw::platform::LocaleInfo info;
    info.decimalSeparator = decimal;
    info.thousandSeparator = thousand;
    info.currencySymbol = currency;
    return TOvcIntlSup(info);
}

QString formatted(const QString &maskText, long double value, const TOvcIntlSup &intl = {})
{
    const MaskLayout mask(maskText);
    QString display;
    NumericText(mask, intl).format(value, false, display);
    return display;
}

QString merged(const QString &maskText, std::string_view number, const TOvcIntlSup &intl = {})
{
    const MaskLayout mask(maskText);
    QString display;
    EXPECT_TRUE(NumericText(mask, intl).merge(number, display)) << number;
    return display;
}

std::optional<long double> parsed(
        const QString &maskText, const QString &display, const TOvcIntlSup &intl = {})
{
    const MaskLayout mask(maskText);
    return NumericText(mask, intl).parse(display);
}

struct FormatRow
{
    const char *name;
    const char16_t *mask;
    long double value;
    const char16_t *display;
};

LW_PRINT_ROW_NAME(FormatRow)

class Format : public testing::TestWithParam<FormatRow>
{
};

TEST_P(Format, LaysTheValueOverTheMask)
{
    const FormatRow &row = GetParam();
    const QString display = formatted(QString::fromUtf16(row.mask), row.value);
    EXPECT_EQ(display, QString::fromUtf16(row.display));
    EXPECT_EQ(display.size(), MaskLayout(QString::fromUtf16(row.mask)).displayLength());
}

INSTANTIATE_TEST_SUITE_P(Examples, Format,
        testing::Values(
                FormatRow{ "HundredThousand", u"###,###,###.##", 100000, u"    100,000.00" },
                FormatRow{ "TwentyThousand", u"###,###,###.##", 20000, u"     20,000.00" },
                FormatRow{ "FiveHundred", u"###,###,###.##", 500, u"        500.00" },
                FormatRow{ "Zero", u"###,###,###.##", 0, u"          0.00" },
                // The sign stands right before the leftmost digit, never at a separator.
                FormatRow{ "Negative", u"###,###,###.##", -1234.5L, u"     -1,234.50" },
                FormatRow{ "NegativeThreeDigits", u"###,###,###.##", -123, u"       -123.00" },
                FormatRow{ "BelowOne", u"###,###,###.##", 0.5L, u"          0.50" },
                FormatRow{ "NegativeBelowOne", u"###,###,###.##", -0.05L, u"         -0.05" },
                FormatRow{ "Full", u"###,###,###.##", 999999999.99L, u"999,999,999.99" },
                FormatRow{ "NegativeFillsTheMask", u"###,###,###.##", -99999999.99L,
                        u"-99,999,999.99" },
                FormatRow{ "RoundedToTheMask", u"###,###,###.##", 1.23456L, u"          1.23" },
                FormatRow{
                        "RoundsUpIntoTheIntegers", u"###,###,###.##", 999.996L, u"      1,000.00" },
                FormatRow{ "NegativeZeroHasNoSign", u"###,###,###.##", -0.001L, u"          0.00" },
                FormatRow{ "RateSix", u"###.####", 6, u"  6.0000" },
                FormatRow{ "RateFraction", u"###.####", 7.25L, u"  7.2500" },
                FormatRow{ "IntegerMask", u"iiiiiiiiiii", 42, u"         42" },
                FormatRow{ "NegativeIntegerMask", u"iiii", -128, u"-128" }),
        [](const testing::TestParamInfo<FormatRow> &row) {
            return std::string(row.param.name);
        });

struct OverflowRow
{
    const char *name;
    const char16_t *mask;
    long double value;
    const char16_t *display;
};

LW_PRINT_ROW_NAME(OverflowRow)

class Overflow : public testing::TestWithParam<OverflowRow>
{
};

// A value the mask cannot hold shows a mark that reads back as no number: dropping its leading
// digits or its sign would show another value.
TEST_P(Overflow, ShowsTheMarkAndNeverAnotherNumber)
{
    const OverflowRow &row = GetParam();
    const QString maskText = QString::fromUtf16(row.mask);
    const QString display = formatted(maskText, row.value);
    EXPECT_EQ(display, QString::fromUtf16(row.display));
    EXPECT_FALSE(parsed(maskText, display).has_value());
}

INSTANTIATE_TEST_SUITE_P(Values, Overflow,
        testing::Values(OverflowRow{ "Billion", u"###,###,###.##", 1e9L, u"***,***,***.**" },
                OverflowRow{ "RoundsUpToABillion", u"###,###,###.##", 999999999.996L,
                        u"***,***,***.**" },
                OverflowRow{ "SignDoesNotFit", u"###,###,###.##", -999999999, u"***,***,***.**" },
                OverflowRow{ "RateThousand", u"###.####", 1000, u"***.****" },
                OverflowRow{ "RateNegativeHundred", u"###.####", -100, u"***.****" },
                OverflowRow{ "Infinity", u"###,###,###.##",
                        std::numeric_limits<long double>::infinity(), u"***,***,***.**" },
                OverflowRow{ "MinusInfinity", u"###.####",
                        -std::numeric_limits<long double>::infinity(), u"***.****" },
                OverflowRow{ "NaN", u"###,###,###.##",
                        std::numeric_limits<long double>::quiet_NaN(), u"***,***,***.**" },
                OverflowRow{ "Enormous", u"###,###,###.##", 1e4000L, u"***,***,***.**" }),
        [](const testing::TestParamInfo<OverflowRow> &row) {
            return std::string(row.param.name);
        });

} // namespace

TEST(NumericText, MergeKeepsExtraDecimalsOutAndPadsMissingOnes)
{
    // Only formatting rounds; the merge cuts.
    EXPECT_EQ(merged(moneyMask, "1.239"), u"          1.23"_s);
    EXPECT_EQ(merged(rateMask, "7.2"), u"  7.2000"_s);
    EXPECT_EQ(merged(moneyMask, " -5 "), u"         -5.00"_s);
    EXPECT_EQ(merged(moneyMask, ".5"), u"          0.50"_s);
    // A minus sign with no digits, as entry shows it.
    EXPECT_EQ(merged(u"iiii"_s, "-"), u"   -"_s);
}

TEST(NumericText, MergeReportsWhatDoesNotFit)
{
    const MaskLayout mask(moneyMask);
    QString display;
    const TOvcIntlSup intl;
    const NumericText text(mask, intl);
    EXPECT_FALSE(text.merge("1000000000", display));
    EXPECT_FALSE(text.merge("-123456789", display));
    EXPECT_TRUE(text.merge("-12345678", display));
    EXPECT_EQ(display, u"-12,345,678.00"_s);
}

TEST(NumericText, ParsesTheExamplesBack)
{
    EXPECT_EQ(parsed(moneyMask, u"    100,000.00"_s), 100000);
    EXPECT_EQ(parsed(moneyMask, u"     -1,234.50"_s), -1234.5L);
    EXPECT_EQ(parsed(moneyMask, u"999,999,999.99"_s), 999999999.99L);
    EXPECT_EQ(parsed(rateMask, u"  6.0000"_s), 6);
    EXPECT_EQ(parsed(moneyMask, QString()), 0);
    EXPECT_EQ(parsed(moneyMask, QString(14, u' ')), 0);
    // Text the entry logic leaves while typing: the point before the decimals are typed.
    EXPECT_EQ(parsed(moneyMask, u"        1,234."_s), 1234);
    EXPECT_FALSE(parsed(moneyMask, u"     12a345.00"_s).has_value());
    EXPECT_FALSE(parsed(moneyMask, u"      1.2.3.00"_s).has_value());
}

TEST(NumericText, LiteralPositionsAreNotRead)
{
    EXPECT_EQ(parsed(u"cc###.##"_s, u"$ 123.45"_s), 123.45L);
    EXPECT_EQ(parsed(u"##-##"_s, u"12-34"_s), 1234);
}

TEST(NumericText, CommaDecimalLocale)
{
    const TOvcIntlSup german = localeWith(u","_s, u"."_s, u"\u20ac"_s);
    const QString display = formatted(moneyMask, 1234.5L, german);
    EXPECT_EQ(display, u"      1.234,50"_s);
    EXPECT_EQ(parsed(moneyMask, display, german), 1234.5L);
    EXPECT_EQ(formatted(moneyMask, 1e9L, german), u"***.***.***,**"_s);
}

TEST(NumericText, NarrowNoBreakSpaceThousands)
{
    const TOvcIntlSup french = localeWith(u","_s, u"\u202f"_s, u"\u20ac"_s);
    const QString display = formatted(moneyMask, -1234567.25L, french);
    EXPECT_EQ(display, u" -1\u202f234\u202f567,25"_s);
    EXPECT_EQ(parsed(moneyMask, display, french), -1234567.25L);
}

TEST(NumericText, FixedCurrencyPositions)
{
    const TOvcIntlSup euro = localeWith(u"."_s, u","_s, u"EUR"_s);
    EXPECT_EQ(formatted(u"cccc ###.##"_s, 5, euro), u" EUR   5.00"_s);
    EXPECT_EQ(formatted(u"###.## CCCC"_s, 5, euro), u"  5.00 EUR "_s);
    EXPECT_EQ(formatted(u"cc###"_s, 5, euro), u"EU  5"_s);
    EXPECT_EQ(parsed(u"cccc ###.##"_s, u" EUR   5.00"_s, euro), 5);
}

TEST(NumericText, FloatingCurrencyStandsBeforeTheDigitsAndTheSign)
{
    const TOvcIntlSup intl;
    EXPECT_EQ(formatted(u"$$$$###.##"_s, 12, intl), u"    $12.00"_s);
    EXPECT_EQ(formatted(u"$$$$###.##"_s, -12, intl), u"   -$12.00"_s);
    EXPECT_EQ(parsed(u"$$$$###.##"_s, u"   -$12.00"_s, intl), -12);
    const TOvcIntlSup euro = localeWith(u"."_s, u","_s, u"EUR"_s);
    EXPECT_EQ(formatted(u"$$$$###.##"_s, 7, euro), u"   EUR7.00"_s);
    EXPECT_EQ(parsed(u"$$$$###.##"_s, u"   EUR7.00"_s, euro), 7);
}

TEST(NumericText, HexOctalAndBinaryMasksPadWithZeros)
{
    EXPECT_EQ(merged(u"KKKK"_s, "255"), u"0255"_s);
    EXPECT_EQ(merged(u"OOOO"_s, "17"), u"0017"_s);
    EXPECT_EQ(merged(u"bbbb"_s, "1"), u"0001"_s);
}

// A mask without a point shows free decimals with their own point.
TEST(NumericText, FreeDecimalsDropTrailingZerosOnly)
{
    const MaskLayout mask(u"##########"_s, 3);
    QString display;
    const TOvcIntlSup intl;
    const NumericText text(mask, intl);
    text.format(2.5L, false, display);
    EXPECT_EQ(display, u"       2.5"_s);
    EXPECT_EQ(text.parse(display), 2.5L);
    text.format(100, false, display);
    EXPECT_EQ(display, u"       100"_s);
}

TEST(NumericText, StripPictureGivesTheEntryCharacters)
{
    const MaskLayout mask(moneyMask);
    const TOvcIntlSup intl;
    const NumericText text(mask, intl);
    EXPECT_EQ(text.stripPicture(u"     -1,234.50"_s), u"     -1234.50"_s);
}
