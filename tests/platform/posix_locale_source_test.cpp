#include "platform/posix_locale_source.h"

#include <climits>

#include <gtest/gtest.h>

using namespace lw::platform;

namespace {

std::lconv unsetConventions()
{
    std::lconv c{};
    c.decimal_point = const_cast<char *>(".");
    for (char **text : { &c.thousands_sep, &c.grouping, &c.int_curr_symbol, &c.currency_symbol,
                 &c.mon_decimal_point, &c.mon_thousands_sep, &c.mon_grouping, &c.positive_sign,
                 &c.negative_sign })
        *text = const_cast<char *>("");
    for (char *flag : { &c.int_frac_digits, &c.frac_digits, &c.p_cs_precedes, &c.p_sep_by_space,
                 &c.n_cs_precedes, &c.n_sep_by_space, &c.p_sign_posn, &c.n_sign_posn })
        *flag = CHAR_MAX;
    return c;
}

int negativePatternFor(char precedes, char blank, char signPosition)
{
    std::lconv c = unsetConventions();
    c.n_cs_precedes = precedes;
    c.n_sep_by_space = blank;
    c.n_sign_posn = signPosition;
    return localeInfoFrom(c).negativeCurrencyFormat;
}

} // namespace

TEST(PosixLocale, TheCLocaleGivesTheUsDefaults)
{
    EXPECT_EQ(localeInfoFrom(unsetConventions()), LocaleInfo{});
    const auto c = readNamedLocale("C");
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(*c, LocaleInfo{});
}

TEST(PosixLocale, UnknownLocaleIsReportedNotGuessed)
{
    EXPECT_FALSE(readNamedLocale("xx_NOWHERE.UTF-8").has_value());
}

TEST(PosixLocale, SignAndSymbolPlacesMapOntoTheSixteenPatterns)
{
    // Symbol before: ($1), -$1, $1-, -$1, $-1 and their blank forms.
    EXPECT_EQ(negativePatternFor(1, 0, 0), 0);
    EXPECT_EQ(negativePatternFor(1, 0, 1), 1);
    EXPECT_EQ(negativePatternFor(1, 0, 2), 3);
    EXPECT_EQ(negativePatternFor(1, 0, 4), 2);
    EXPECT_EQ(negativePatternFor(1, 1, 0), 14);
    EXPECT_EQ(negativePatternFor(1, 1, 1), 9);
    EXPECT_EQ(negativePatternFor(1, 1, 2), 11);
    // Symbol after: (1$), -1$, 1$-, 1-$ and their blank forms.
    EXPECT_EQ(negativePatternFor(0, 0, 0), 4);
    EXPECT_EQ(negativePatternFor(0, 0, 1), 5);
    EXPECT_EQ(negativePatternFor(0, 0, 2), 7);
    EXPECT_EQ(negativePatternFor(0, 0, 3), 6);
    EXPECT_EQ(negativePatternFor(0, 1, 0), 15);
    EXPECT_EQ(negativePatternFor(0, 1, 1), 8);
    EXPECT_EQ(negativePatternFor(0, 1, 2), 10);
    EXPECT_EQ(negativePatternFor(0, 1, 3), 13);
    EXPECT_EQ(negativePatternFor(1, 1, 9), 0); // out of range: the default
}

TEST(PosixLocale, ReadsSeparatorsAndCurrencyOfRealLocales)
{
    const auto de = readNamedLocale("de_DE.UTF-8");
    const auto ch = readNamedLocale("de_CH.UTF-8");
    if (!de || !ch)
        GTEST_SKIP() << "de_DE.UTF-8 or de_CH.UTF-8 is not installed (scripts/install-deps.sh "
                        "makes them)";
    EXPECT_EQ(de->decimalSeparator, QStringLiteral(","));
    EXPECT_EQ(de->thousandSeparator, QStringLiteral("."));
    EXPECT_EQ(de->currencySymbol, QString(QChar(0x20AC)));
    EXPECT_EQ(de->currencyFormat, 3);
    EXPECT_EQ(de->negativeCurrencyFormat, 8);
    EXPECT_EQ(ch->thousandSeparator, QString(QChar(0x2019)));
    EXPECT_EQ(ch->currencySymbol, QStringLiteral("CHF"));
}

TEST(PosixLocale, EmptyNumberSeparatorsFallBackToTheMonetaryOnes)
{
    std::lconv c = unsetConventions();
    c.decimal_point = const_cast<char *>("");
    c.mon_decimal_point = const_cast<char *>(",");
    c.mon_thousands_sep = const_cast<char *>(".");
    const LocaleInfo info = localeInfoFrom(c);
    EXPECT_EQ(info.decimalSeparator, QStringLiteral(","));
    EXPECT_EQ(info.thousandSeparator, QStringLiteral("."));
}
