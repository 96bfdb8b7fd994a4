#include "core/money_text.h"

#include <limits>

#include <gtest/gtest.h>

#include "platform/posix_locale_source.h"
#include "support/row_printers.h"

using lw::core::money;
using lw::platform::LocaleInfo;
using lw::platform::readNamedLocale;

namespace {

struct LocaleRow
{
    const char *name;
    const char *locale;
    double value;
    const char16_t *expected;
};

LW_PRINT_ROW_NAME(LocaleRow)

class MoneyInLocale : public testing::TestWithParam<LocaleRow>
{
};

} // namespace

// Expected texts follow each locale's own conventions (symbol place, blank, sign place,
// separators) as its POSIX definition states them.
TEST_P(MoneyInLocale, FollowsTheLocalesCurrencyPattern)
{
    const LocaleRow &row = GetParam();
    const auto locale = readNamedLocale(row.locale);
    if (!locale)
        GTEST_SKIP() << "locale " << row.locale
                     << " is not installed (scripts/install-deps.sh makes it)";
    EXPECT_EQ(money(row.value, *locale), QString::fromUtf16(row.expected));
}

INSTANTIATE_TEST_SUITE_P(Locales, MoneyInLocale,
        testing::Values(LocaleRow{ "C", "C", 1234.5, u"$1,234.50" },
                LocaleRow{ "C_negative", "C", -1234.5, u"($1,234.50)" },
                LocaleRow{ "en_US", "en_US.UTF-8", 92670.55, u"$92,670.55" },
                LocaleRow{ "en_US_negative", "en_US.UTF-8", -80000, u"-$80,000.00" },
                LocaleRow{ "de_DE", "de_DE.UTF-8", 1234.5, u"1.234,50 €" },
                LocaleRow{ "de_DE_negative", "de_DE.UTF-8", -1234.5, u"-1.234,50 €" },
                LocaleRow{ "fr_FR", "fr_FR.UTF-8", 1234.5, u"1\u202F234,50 €" },
                LocaleRow{
                        "fr_FR_negative", "fr_FR.UTF-8", -1234567.5, u"-1\u202F234\u202F567,50 €" },
                LocaleRow{ "de_CH", "de_CH.UTF-8", 1234.5, u"CHF 1\u2019234.50" },
                LocaleRow{ "de_CH_negative", "de_CH.UTF-8", -1234.5, u"CHF -1\u2019234.50" },
                LocaleRow{ "nl_NL", "nl_NL.UTF-8", 1234.5, u"€ 1.234,50" },
                LocaleRow{ "nl_NL_negative", "nl_NL.UTF-8", -1234.5, u"€ -1.234,50" },
                LocaleRow{ "ja_JP", "ja_JP.UTF-8", 1234.5, u"\uFFE51,234.50" },
                LocaleRow{ "ja_JP_negative", "ja_JP.UTF-8", -1234.5, u"\uFFE5-1,234.50" },
                LocaleRow{ "en_GB", "en_GB.UTF-8", 1234.5, u"£1,234.50" },
                LocaleRow{ "en_GB_negative", "en_GB.UTF-8", -1234.5, u"-£1,234.50" },
                LocaleRow{ "de_DE_scientific", "de_DE.UTF-8", 12345678901.23, u"1,23456789E10" }),
        [](const testing::TestParamInfo<LocaleRow> &row) {
            return std::string(row.param.name);
        });

TEST(Money, AllSixteenNegativePatterns)
{
    const char16_t *expected[] = { u"($1.50)", u"-$1.50", u"$-1.50", u"$1.50-", u"(1.50$)",
        u"-1.50$", u"1.50-$", u"1.50$-", u"-1.50 $", u"-$ 1.50", u"1.50 $-", u"$ 1.50-", u"$ -1.50",
        u"1.50- $", u"($ 1.50)", u"(1.50 $)" };
    LocaleInfo locale;
    for (int format = 0; format < 16; ++format) {
        locale.negativeCurrencyFormat = format;
        EXPECT_EQ(money(-1.5, locale), QString::fromUtf16(expected[format])) << format;
    }
}

TEST(Money, AllFourPositivePatterns)
{
    const char16_t *expected[] = { u"$1.50", u"1.50$", u"$ 1.50", u"1.50 $" };
    LocaleInfo locale;
    for (int format = 0; format < 4; ++format) {
        locale.currencyFormat = format;
        EXPECT_EQ(money(1.5, locale), QString::fromUtf16(expected[format])) << format;
    }
}

TEST(Money, RoundsToCentsWithTiesAwayFromZero)
{
    const LocaleInfo us;
    EXPECT_EQ(money(0.125, us), QString::fromUtf16(u"$0.13")); // exactly halfway in binary
    EXPECT_EQ(money(-0.125, us), QString::fromUtf16(u"($0.13)"));
    EXPECT_EQ(money(1.005, us), QString::fromUtf16(u"$1.00")); // the double lies just below 1.005
    EXPECT_EQ(money(0.004, us), QString::fromUtf16(u"$0.00"));
    EXPECT_EQ(money(-0.004, us),
            QString::fromUtf16(u"$0.00")); // rounds to zero: no minus for nothing
    EXPECT_EQ(money(0, us), QString::fromUtf16(u"$0.00"));
    EXPECT_EQ(money(999.995, us), QString::fromUtf16(u"$1,000.00"));
}

TEST(Money, KeepsTheCentsOfLargeAmounts)
{
    const LocaleInfo us;
    EXPECT_EQ(money(123456789.126, us), QString::fromUtf16(u"$123,456,789.13"));
    EXPECT_EQ(money(1234567890.12, us), QString::fromUtf16(u"$1,234,567,890.12"));
    EXPECT_EQ(money(9999999999.99, us), QString::fromUtf16(u"$9,999,999,999.99"));
}

TEST(Money, TenBillionAndMoreIsScientific)
{
    const LocaleInfo us;
    EXPECT_EQ(money(12345678901.23, us), QString::fromUtf16(u"1.23456789E10"));
    EXPECT_EQ(money(-12345678901.23, us), QString::fromUtf16(u"-1.23456789E10"));
    EXPECT_EQ(
            money(9999999999.996, us), QString::fromUtf16(u"1E10")); // cents round up to 11 digits
    EXPECT_EQ(money(1e10, us), QString::fromUtf16(u"1E10"));
    EXPECT_EQ(
            money(12345678905.0, us), QString::fromUtf16(u"1.234567891E10")); // a tie at ten digits
    EXPECT_EQ(money(12345678904.999, us), QString::fromUtf16(u"1.23456789E10"));
    EXPECT_EQ(money(99999999999.5, us), QString::fromUtf16(u"1E11"));
    EXPECT_EQ(money(1.7e308, us), QString::fromUtf16(u"1.7E308"));
}

TEST(Money, NonFiniteValuesAreNamedNotFormatted)
{
    const LocaleInfo us;
    EXPECT_EQ(money(std::numeric_limits<double>::infinity(), us), QStringLiteral("INF"));
    EXPECT_EQ(money(-std::numeric_limits<double>::infinity(), us), QStringLiteral("-INF"));
    EXPECT_EQ(money(std::numeric_limits<double>::quiet_NaN(), us), QStringLiteral("NAN"));
}
