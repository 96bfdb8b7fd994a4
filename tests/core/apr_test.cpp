#include "core/apr.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "support/decimal_reference.h"

using lw::core::annualPercentageRate;
using lw::core::Cents;

namespace {

using lw::test::referenceApr;

// The 30-year payment on 300,000 at 6.5 %, worked out by hand from the annuity formula:
// 300,000 x r / (1 - (1 + r)^-360) with r = 0.065/12 is 1,896.20 to the cent.
constexpr Cents Payment = 189620;

// A level stream with a premium added to its first months.
std::vector<Cents> stream(int months, Cents payment, int premiumMonths, Cents premium)
{
    std::vector<Cents> payments(static_cast<std::size_t>(months), payment);
    for (int k = 0; k < premiumMonths; ++k)
        payments[static_cast<std::size_t>(k)] += premium;
    return payments;
}

struct AprCase
{
    const char *name;
    Cents financed;
    std::vector<Cents> payments;
};

class AprTest : public testing::TestWithParam<AprCase>
{
};

TEST_P(AprTest, IsTheRootOfTheActuarialEquation)
{
    const AprCase &c = GetParam();
    const auto apr = annualPercentageRate(c.financed, c.payments);
    ASSERT_TRUE(apr);
    EXPECT_NEAR(*apr, referenceApr(c.financed, c.payments), 1e-9);
}

// 1 point on 300,000 is 3,000 less financed; 1,200 of lender fees on top; a premium of
// 137.50 (0.55 % of 300,000 a year) that ends after payment 131, mid-loan.
INSTANTIATE_TEST_SUITE_P(Offers, AprTest,
        testing::Values(AprCase{ "NoPointsNoFees", 30000000, stream(360, Payment, 0, 0) },
                AprCase{ "OnePoint", 29700000, stream(360, Payment, 0, 0) },
                AprCase{ "FeesAndInsuranceEndingMidLoan", 29580000,
                        stream(360, Payment, 131, 13750) },
                AprCase{ "ShortTerm", 100000, stream(12, 8600, 0, 0) }),
        [](const testing::TestParamInfo<AprCase> &row) {
            return std::string(row.param.name);
        });

TEST(Apr, OfALoanWithoutCostsShowsAsItsNoteRate)
{
    const auto apr = annualPercentageRate(30000000, stream(360, Payment, 0, 0));
    ASSERT_TRUE(apr);
    EXPECT_EQ(std::round(*apr * 1000) / 1000, 6.5);
}

TEST(Apr, HasNoValueWithoutAnythingToSolve)
{
    EXPECT_FALSE(annualPercentageRate(0, stream(360, Payment, 0, 0)));
    EXPECT_FALSE(annualPercentageRate(30000000, {}));
}

} // namespace
