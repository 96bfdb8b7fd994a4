#include "widgets/numeric/plain_number.h"

#include <cmath>
#include <string>

#include <QString>

#include <gtest/gtest.h>

#include "support/row_printers.h"

using lw::numeric::PlainNumber;

namespace {

std::string normalised(std::string_view text)
{
    PlainNumber::Text buffer;
    EXPECT_TRUE(buffer.assign(text));
    PlainNumber::normalise(buffer);
    return std::string(buffer.view());
}

struct TextRow
{
    const char *name;
    const char *text;
    const char *expected;
};

LW_PRINT_ROW_NAME(TextRow)

class Normalise : public testing::TestWithParam<TextRow>
{
};

TEST_P(Normalise, TidiesTheText)
{
    EXPECT_EQ(normalised(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, Normalise,
        testing::Values(TextRow{ "Empty", "", "0" }, TextRow{ "Blanks", "    ", "0" },
                TextRow{ "Trimmed", "  12.5 ", "12.5" },
                TextRow{ "TrailingPointDropped", "1234. ", "1234" },
                TextRow{ "LeadingPoint", ".5", "0.5" }, TextRow{ "MinusPoint", "-.5", "-0.5" },
                TextRow{ "SecondTrailingPointKept", "5..", "5.0" },
                TextRow{ "ExponentGetsPoint", "1E5", "1.E5" },
                TextRow{ "ExponentWithPoint", "1.5E3", "1.5E3" },
                TextRow{ "BlanksAroundPoint", "1 . 5", "1.5" },
                TextRow{ "LonePointBecomesEmpty", ".", "" }),
        [](const testing::TestParamInfo<TextRow> &row) {
            return std::string(row.param.name);
        });

struct ValueRow
{
    const char *name;
    const char *text;
    long double expected;
};

LW_PRINT_ROW_NAME(ValueRow)

class ParsesNumber : public testing::TestWithParam<ValueRow>
{
};

TEST_P(ParsesNumber, ToItsValue)
{
    const auto value = PlainNumber::parse(QString::fromLatin1(GetParam().text));
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, ParsesNumber,
        testing::Values(ValueRow{ "Empty", "", 0 }, ValueRow{ "Blanks", "   ", 0 },
                ValueRow{ "Integer", "100000", 100000 },
                ValueRow{ "Negative", "-1234.50", -1234.5L }, ValueRow{ "Plus", "+7", 7 },
                ValueRow{ "TrailingPoint", "20000.", 20000 },
                ValueRow{ "LeadingPoint", ".25", 0.25L }, ValueRow{ "MinusPoint", "-.75", -0.75L },
                ValueRow{ "Exponent", "1E3", 1000 }, ValueRow{ "LowerExponent", "25e-1", 2.5L },
                ValueRow{ "SignedExponent", "2.5E+2", 250 },
                // Beyond double but inside the extended range.
                ValueRow{ "HugeButExtended", "1e999", 1e999L },
                // Too small for the extended range: reads as zero.
                ValueRow{ "Underflow", "1e-5000", 0 },
                ValueRow{ "TinyFraction", "0.000000000001", 1e-12L }),
        [](const testing::TestParamInfo<ValueRow> &row) {
            return std::string(row.param.name);
        });

class RejectsText : public testing::TestWithParam<TextRow>
{
};

TEST_P(RejectsText, AsNoNumber)
{
    EXPECT_FALSE(PlainNumber::parse(QString::fromLatin1(GetParam().text)).has_value())
            << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, RejectsText,
        testing::Values(TextRow{ "LoneMinus", "-", "" }, TextRow{ "LonePoint", ".", "" },
                TextRow{ "MinusPoint", "-.", "" }, TextRow{ "Letters", "abc", "" },
                TextRow{ "TrailingLetter", "12x", "" }, TextRow{ "TwoPoints", "1.2.3", "" },
                TextRow{ "PointsInARow", "1..5", "" }, TextRow{ "ExponentAlone", "E", "" },
                TextRow{ "ExponentWithoutDigits", "1E", "" },
                TextRow{ "ExponentSignOnly", "1E+", "" },
                TextRow{ "ExponentWithoutMantissa", "E5", "" },
                TextRow{ "HugeExponent", "1E5000", "" },
                TextRow{ "EnormousExponent", "1E99999999999999999999", "" },
                TextRow{ "Nan", "nan", "" }, TextRow{ "Inf", "inf", "" },
                TextRow{ "Infinity", "-Infinity", "" }, TextRow{ "Hex", "0x1p3", "" },
                TextRow{ "TwoSigns", "--5", "" }, TextRow{ "SignAfter", "5-", "" },
                TextRow{ "InnerBlank", "1 000", "" }, TextRow{ "Star", "***.**", "" }),
        [](const testing::TestParamInfo<TextRow> &row) {
            return std::string(row.param.name);
        });

} // namespace

TEST(PlainNumber, NonAsciiCharactersAreNoDigits)
{
    EXPECT_FALSE(PlainNumber::parse(u"\u0661\u0662").has_value());
    EXPECT_FALSE(PlainNumber::parse(u"12\u00a0").has_value());
}

TEST(PlainNumber, LongDigitStrings)
{
    const QString threeHundredOnes(300, u'1');
    const auto big = PlainNumber::parse(threeHundredOnes);
    ASSERT_TRUE(big.has_value());
    EXPECT_NEAR(static_cast<double>(*big / 1.111111111111111111e299L), 1.0, 1e-15);

    const QString longFraction = QStringLiteral("0.") + QString(300, u'3');
    const auto third = PlainNumber::parse(longFraction);
    ASSERT_TRUE(third.has_value());
    EXPECT_NEAR(static_cast<double>(*third), 1.0 / 3, 1e-16);

    EXPECT_FALSE(PlainNumber::parse(QString(PlainNumber::MaxLength + 1, u'1')).has_value());
}

TEST(PlainNumber, ConvertIsExactForDecimalsOfMoney)
{
    // The nearest extended value of the text, which rounds to the nearest double.
    EXPECT_EQ(static_cast<double>(*PlainNumber::convert("0.1")), 0.1);
    EXPECT_EQ(static_cast<double>(*PlainNumber::convert("999999999.99")), 999999999.99);
    EXPECT_EQ(*PlainNumber::convert("-0"), 0);
}
