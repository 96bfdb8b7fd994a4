#include "core/value_text.h"

#include <cmath>
#include <cstring>
#include <random>

#include <gtest/gtest.h>

#include "support/row_printers.h"

using namespace lw::core;
using lw::platform::LocaleInfo;
using namespace Qt::StringLiterals;

namespace {

LocaleInfo withSeparator(const QString &separator)
{
    LocaleInfo locale;
    locale.decimalSeparator = separator;
    return locale;
}

const LocaleInfo Dot = withSeparator(u"."_s);
const LocaleInfo Comma = withSeparator(u","_s);

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

TEST(FloatText, GeneralFormatWithFifteenDigits)
{
    EXPECT_EQ(floatText(100000, Dot), u"100000"_s);
    EXPECT_EQ(floatText(6.0, Dot), u"6"_s);
    EXPECT_EQ(floatText(479.64042012220557, Dot), u"479.640420122206"_s);
    EXPECT_EQ(floatText(479.64042012220557, Comma), u"479,640420122206"_s);
    EXPECT_EQ(floatText(-1.5, Comma), u"-1,5"_s);
    EXPECT_EQ(floatText(0.00005, Dot), u"5E-5"_s);
    EXPECT_EQ(floatText(-1.25e-7, Comma), u"-1,25E-7"_s);
    EXPECT_EQ(floatText(0.0001, Dot), u"0.0001"_s);
    EXPECT_EQ(floatText(999999999999999, Dot), u"999999999999999"_s);
    EXPECT_EQ(floatText(1e15, Dot), u"1E15"_s);
    EXPECT_EQ(floatText(1.5e300, Dot), u"1.5E300"_s);
    EXPECT_EQ(floatText(99999999999999.99, Dot), u"100000000000000"_s); // rounds to 15 digits
    EXPECT_EQ(floatText(-0.0, Dot), u"0"_s);
    // No pass leaves these behind; if one did, reading them back gives the default.
    EXPECT_EQ(floatText(std::nan(""), Dot), u"NAN"_s);
    EXPECT_EQ(floatText(-HUGE_VAL, Dot), u"-INF"_s);
}

namespace {

struct FloatCase
{
    const char *name;
    QString text;
    const LocaleInfo *locale;
    std::optional<double> expected;
};

LW_PRINT_ROW_NAME(FloatCase)

std::string floatCaseName(const testing::TestParamInfo<FloatCase> &row)
{
    return row.param.name;
}

} // namespace

class FloatReading : public testing::TestWithParam<FloatCase>
{
};

TEST_P(FloatReading, AcceptsOnlyDecimalNumbersInTheLocale)
{
    const FloatCase &c = GetParam();
    const auto value = parseFloat(c.text, *c.locale);
    ASSERT_EQ(value.has_value(), c.expected.has_value());
    if (value) {
        EXPECT_TRUE(sameBits(*value, *c.expected)) << *value;
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, FloatReading,
        testing::Values(FloatCase{ "Plain", u"479.640420122206"_s, &Dot, 479.640420122206 },
                FloatCase{ "Blanks", u"  15 "_s, &Dot, 15.0 },
                FloatCase{ "NegativeZero", u"-0"_s, &Dot, -0.0 },
                FloatCase{ "PlusAndExponent", u"+5E-5"_s, &Dot, 5e-5 },
                FloatCase{ "BareFraction", u".5"_s, &Dot, 0.5 },
                FloatCase{ "TrailingPoint", u"5."_s, &Dot, 5.0 },
                FloatCase{ "CommaUnderComma", u"1,5"_s, &Comma, 1.5 },
                FloatCase{ "WholeUnderComma", u"80000"_s, &Comma, 80000.0 },
                FloatCase{ "CommaUnderDot", u"1,5"_s, &Dot, std::nullopt },
                FloatCase{ "DotUnderComma", u"1.5"_s, &Comma, std::nullopt },
                FloatCase{ "Thousands", u"1,000.5"_s, &Dot, std::nullopt },
                FloatCase{ "Letters", u"abc"_s, &Dot, std::nullopt },
                FloatCase{ "Empty", QString(), &Dot, std::nullopt },
                FloatCase{ "OnlyPoint", u"."_s, &Dot, std::nullopt },
                FloatCase{ "Overflow", u"1e999"_s, &Dot, std::nullopt },
                FloatCase{ "Underflow", u"-1e-999"_s, &Dot, -0.0 },
                FloatCase{ "LongUnderflow", u"0."_s + QString(400, u'0') + u"1e+50"_s, &Dot, 0.0 },
                FloatCase{ "Subnormal", u"5e-324"_s, &Dot, 5e-324 },
                FloatCase{ "Nan", u"nan"_s, &Dot, std::nullopt },
                FloatCase{ "Inf", u"inf"_s, &Dot, std::nullopt },
                FloatCase{ "Hex", u"0x14"_s, &Dot, std::nullopt },
                FloatCase{ "TrailingJunk", u"12abc"_s, &Dot, std::nullopt },
                FloatCase{ "EmptyExponent", u"1e"_s, &Dot, std::nullopt },
                FloatCase{ "InnerBlank", u"1 000"_s, &Dot, std::nullopt },
                FloatCase{ "ArabicDigit", QString(QChar(0x661)), &Dot, std::nullopt }),
        floatCaseName);

TEST(IntegerReading, DecimalOrPrefixedHexadecimal)
{
    const std::pair<QString, std::optional<std::int32_t>> cases[] = { { u"30"_s, 30 },
        { u"-0"_s, 0 }, { u"+15"_s, 15 }, { u"0x14"_s, 20 }, { u"0X14"_s, 20 },
        { u"0x7FFFFFFF"_s, 2147483647 }, { u"-2147483648"_s, -2147483647 - 1 },
        { u"2147483648"_s, std::nullopt }, { u"0x80000000"_s, std::nullopt },
        { u"12abc"_s, std::nullopt }, { u" 15"_s, std::nullopt }, { u"1.0"_s, std::nullopt },
        { u"0x"_s, std::nullopt }, { u"0x-1"_s, std::nullopt }, { u"-0x14"_s, std::nullopt },
        { u"14h"_s, std::nullopt }, { QString(), std::nullopt }, { u"-"_s, std::nullopt } };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(parseInteger(text), expected) << text.toStdString();
}

// Every value a field can hold, up to 15 significant digits at any scale, comes back as the
// same double under either separator.
TEST(FloatText, FieldValuesSurviveWritingAndReading)
{
    std::mt19937_64 rng(451);
    std::uniform_int_distribution<long long> mantissa(1, 999'999'999'999'999);
    std::uniform_int_distribution<int> scale(-30, 30);
    for (int i = 0; i < 200000; ++i) {
        const std::string decimal =
                std::to_string(mantissa(rng)) + 'e' + std::to_string(scale(rng));
        const double value = (i % 2 ? -1 : 1) * std::strtod(decimal.c_str(), nullptr);
        const LocaleInfo &locale = i % 3 ? Dot : Comma;
        const auto back = parseFloat(floatText(value, locale), locale);
        ASSERT_TRUE(back && sameBits(*back, value)) << decimal;
    }
}
