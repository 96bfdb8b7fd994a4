#include "widgets/numeric/ovcintl.h"

#include <gtest/gtest.h>

#include "platform/posix_locale_source.h"

using namespace Qt::StringLiterals;
using lw::numeric::TOvcIntlSup;
using lw::platform::LocaleInfo;

namespace {

LocaleInfo separators(const QString &decimal, const QString &thousand)
{
    LocaleInfo info;
    info.decimalSeparator = decimal;
    info.thousandSeparator = thousand;
    return info;
}

} // namespace

TEST(TOvcIntlSup, DefaultsAreUsConventions)
{
    const TOvcIntlSup intl;
    EXPECT_EQ(intl.DecimalChar(), u'.');
    EXPECT_EQ(intl.ThousandChar(), u',');
    EXPECT_EQ(intl.CurrencyString(), u"$"_s);
    EXPECT_EQ(intl.CurrencyDigits(), 2);
}

TEST(TOvcIntlSup, TakesTheFirstCharacterOfEachSeparator)
{
    const TOvcIntlSup intl(separators(u",x"_s, u"\u202F"_s));
    EXPECT_EQ(intl.DecimalChar(), u',');
    EXPECT_EQ(intl.ThousandChar(), QChar(0x202F));
}

TEST(TOvcIntlSup, EqualOrMissingSeparatorsFallBack)
{
    const TOvcIntlSup same(separators(u","_s, u","_s));
    EXPECT_EQ(same.DecimalChar(), u'.');
    EXPECT_EQ(same.ThousandChar(), u',');
    const TOvcIntlSup empty(separators(QString(), QString()));
    EXPECT_EQ(empty.DecimalChar(), u'.');
    EXPECT_EQ(empty.ThousandChar(), u',');
}

TEST(TOvcIntlSup, CharacterOutsideOneCodeUnitFallsBack)
{
    // U+1D7CE MATHEMATICAL BOLD DIGIT ZERO needs a surrogate pair.
    const TOvcIntlSup intl(separators(u"\U0001D7CE"_s, u"\U0001D7CE"_s));
    EXPECT_EQ(intl.DecimalChar(), u'.');
    EXPECT_EQ(intl.ThousandChar(), u',');
}

TEST(TOvcIntlSup, CurrencyKeepsAtMostFiveWholeCharacters)
{
    LocaleInfo info;
    info.currencySymbol = u"ABCDEFG"_s;
    EXPECT_EQ(TOvcIntlSup(info).CurrencyString(), u"ABCDE"_s);
    info.currencySymbol = u"\U0001F4B0\U0001F4B0\U0001F4B0\U0001F4B0\U0001F4B0\U0001F4B0"_s;
    const QString cut = TOvcIntlSup(info).CurrencyString();
    EXPECT_EQ(cut.size(), 10);
    EXPECT_TRUE(cut.back().isLowSurrogate());
}

TEST(TOvcIntlSup, GermanLocaleSwapsTheSeparators)
{
    const auto info = lw::platform::readNamedLocale("de_DE.UTF-8");
    if (!info)
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    const TOvcIntlSup intl(*info);
    EXPECT_EQ(intl.DecimalChar(), u',');
    EXPECT_EQ(intl.ThousandChar(), u'.');
}
