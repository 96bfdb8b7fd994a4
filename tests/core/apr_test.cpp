#include "core/apr.h"

#include <vector>

#include <gtest/gtest.h>

#include "support/decimal_reference.h"

using lw::core::annualPercentageRate;
using lw::core::Cents;

namespace {

// The offers' APR rows (tests/core/offer_comparison_test.cpp) check 30-year streams with
// points, fees and premiums; here the solver's own ends: a short stream and nothing to solve.
TEST(Apr, IsTheRootOfTheActuarialEquationForAShortStream)
{
    const std::vector<Cents> payments(12, 8600);
    const auto apr = annualPercentageRate(100000, payments);
    ASSERT_TRUE(apr);
    EXPECT_NEAR(*apr, lw::test::referenceApr(100000, payments), 1e-9);
}

TEST(Apr, HasNoValueWithoutAnythingToSolve)
{
    EXPECT_FALSE(annualPercentageRate(0, std::vector<Cents>(360, 189620)));
    EXPECT_FALSE(annualPercentageRate(30000000, {}));
}

} // namespace
