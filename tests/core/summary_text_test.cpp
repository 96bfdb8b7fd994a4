#include "core/summary_text.h"

#include <cmath>

#include <gtest/gtest.h>

using lw::core::summarize;
using lw::core::TermTotals;

namespace {

// What the default inputs cost over 30 years, from the closed-form annuity: 80,000 at 6 %,
// 500 a year each of taxes and insurance.
TermTotals defaultTotals()
{
    const long double r = 6 / 1200.0L;
    const long double paid = 360 * 80000 * r / (1 - std::pow(1 + r, -360.0L));
    return { static_cast<double>(paid - 80000), 15000, 15000, static_cast<double>(paid + 30000) };
}

} // namespace

// The one place the whole default sentence is spelled out; other tests check they show this.
TEST(Summary, DefaultInputsReadAsOneSentence)
{
    const auto s = summarize(30, defaultTotals(), {});
    EXPECT_EQ(s.line1,
            QStringLiteral("During the 30 years of your mortgage loan you will pay a total of"));
    EXPECT_EQ(s.line2,
            QStringLiteral("$92,670.55 in interest, $15,000.00 in taxes and $15,000.00 in"));
    EXPECT_EQ(s.line3, QStringLiteral("insurance premiums, for a total cost of $202,670.55"));
}

TEST(Summary, NamesTheTermAndNegativeInterest)
{
    lw::platform::LocaleInfo us;
    us.negativeCurrencyFormat = 1;
    const auto s = summarize(15, TermTotals{ -80000, 0, 0, 0 }, us);
    EXPECT_EQ(s.line1,
            QStringLiteral("During the 15 years of your mortgage loan you will pay a total of"));
    EXPECT_TRUE(s.line2.startsWith(QStringLiteral("-$80,000.00 in interest, $0.00 in taxes")));
}
