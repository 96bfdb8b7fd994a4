#include "core/summary_text.h"

#include <gtest/gtest.h>

using lw::core::summarize;
using lw::core::TermTotals;

TEST(Summary, DefaultInputsReadAsOneSentence)
{
    const auto s = summarize(30, TermTotals{ 92670.55, 15000, 15000, 202670.55 }, {});
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
