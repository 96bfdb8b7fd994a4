#include "core/payment.h"

#include <cmath>
#include <limits>
#include <random>

#include <gtest/gtest.h>

#include "core/math_error.h"

#include <boost/multiprecision/cpp_bin_float.hpp>

using lw::core::CalcPayment;
using lw::core::getPower;
using lw::core::MathError;

namespace {

using Big = boost::multiprecision::cpp_bin_float_50;

// Annuity payment P*r / (1 - (1 + r)^-n) at 50 digits, independent of the code under test.
Big referencePayment(double principal, double annualRate, int periods, int perYear)
{
    const Big r = Big(annualRate) / 100 / perYear;
    return Big(principal) * r / (1 - pow(1 + r, -periods));
}

bool isExactlyDouble(long double value)
{
    return static_cast<long double>(static_cast<double>(value)) == value;
}

} // namespace

TEST(CalcPayment, StandardMortgageTerms)
{
    EXPECT_NEAR(static_cast<double>(CalcPayment(80000, 6, 360, 6)), 479.6404201222, 1e-9);
    EXPECT_NEAR(static_cast<double>(CalcPayment(80000, 6, 240, 6)), 573.1448, 1e-4);
    EXPECT_NEAR(static_cast<double>(CalcPayment(80000, 6, 180, 6)), 675.0854, 1e-4);
    EXPECT_NEAR(static_cast<double>(CalcPayment(80000, 6, 30, 9)), 5811.9129, 1e-4);
}

TEST(CalcPayment, ResultIsTheNearestDoubleOfTheExtendedQuotient)
{
    const long double payment = CalcPayment(80000, 6, 360, 6);
    EXPECT_TRUE(isExactlyDouble(payment));
    const double nearest = static_cast<double>(referencePayment(80000, 6, 360, 12));
    EXPECT_EQ(static_cast<double>(payment), nearest);
}

TEST(CalcPayment, ZeroPeriodsOrPrincipalPayNothing)
{
    EXPECT_EQ(CalcPayment(80000, 6, 0, 6), 0);
    EXPECT_EQ(CalcPayment(80000, 0, 0, 6), 0);
    EXPECT_EQ(CalcPayment(0, 6, 360, 6), 0);
}

TEST(CalcPayment, ZeroRateRepaysPrincipalInEqualParts)
{
    EXPECT_EQ(CalcPayment(80000, 0, 360, 6), static_cast<long double>(80000.0 / 360));
    EXPECT_EQ(CalcPayment(-3600, 0, 360, 6), -10);
    // 1 + r equals 1 at extended precision: no division by zero, equal parts again.
    EXPECT_EQ(CalcPayment(36000, 1e-19L, 360, 6), 100);
    EXPECT_TRUE(isExactlyDouble(CalcPayment(80000, 0, 7, 6)));
}

TEST(CalcPayment, NotANumberRateIsAMathError)
{
    EXPECT_THROW(
            CalcPayment(80000, std::numeric_limits<long double>::quiet_NaN(), 360, 6), MathError);
}

TEST(CalcPayment, KindsOutsideTheTableUseTheRateUnchanged)
{
    const long double yearly = CalcPayment(80000, 6, 30, 9);
    EXPECT_EQ(CalcPayment(80000, 6, 30, 0), yearly);
    EXPECT_EQ(CalcPayment(80000, 6, 30, 10), yearly);
}

TEST(CalcPayment, MinusTwelveHundredPercentRepaysMinusPrincipal)
{
    EXPECT_EQ(CalcPayment(80000, -1200, 360, 6), -80000);
    EXPECT_EQ(CalcPayment(123.5, -1200, 1, 6), -123.5);
}

TEST(CalcPayment, RateBelowMinusTwelveHundredPercentIsAMathError)
{
    EXPECT_THROW(CalcPayment(80000, -1300, 360, 6), MathError);
}

TEST(CalcPayment, NegativeRatesAreCappedAtExponent88)
{
    EXPECT_NEAR(static_cast<double>(CalcPayment(80000, -50, 360, 6)), 0.000739, 1e-6);
    // Capped: 80000 * r / (1 - e^88).
    const auto capped = [](double rate) {
        const long double r = rate / 100.0L / 12;
        return static_cast<double>(80000 * r / (1 - std::exp(88.0L)));
    };
    EXPECT_DOUBLE_EQ(static_cast<double>(CalcPayment(80000, -600, 360, 6)), capped(-600));
    EXPECT_NEAR(static_cast<double>(CalcPayment(80000, -600, 360, 6)), 2.4218e-34, 1e-38);
    EXPECT_NEAR(static_cast<double>(CalcPayment(80000, -261, 360, 6)), 1.0535e-34, 1e-38);
    // Just below the cap the true power applies.
    const double uncapped = static_cast<double>(referencePayment(80000, -260, 360, 12));
    EXPECT_NEAR(static_cast<double>(CalcPayment(80000, -260, 360, 6)), uncapped,
            std::abs(uncapped) * 1e-12);
    EXPECT_NE(static_cast<double>(CalcPayment(80000, -260, 360, 6)), capped(-260));
}

TEST(GetPower, ZeroOrNotANumberBaseGivesZero)
{
    EXPECT_EQ(getPower(0, -360), 0);
    EXPECT_EQ(getPower(std::numeric_limits<long double>::quiet_NaN(), 2), 0);
}

TEST(GetPower, CapsOnlyAboveEightyEight)
{
    EXPECT_EQ(getPower(std::exp(1.0L), 88),
            std::exp(static_cast<long double>(static_cast<double>(88 * std::log(std::exp(1.0L))))));
    EXPECT_EQ(getPower(10, 1000), std::exp(88.0L));
    EXPECT_THROW(getPower(-2, 3), MathError);
}

TEST(CalcPayment, MatchesHighPrecisionReferenceOverManyPositiveRates)
{
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> principals(1000, 5e6);
    std::uniform_real_distribution<double> rates(0.01, 30);
    std::uniform_int_distribution<int> periods(1, 480);
    std::uniform_int_distribution<int> kinds(1, 9);
    constexpr int perYear[] = { 365, 360, 52, 26, 24, 12, 4, 2, 1 };
    for (int i = 0; i < 250; ++i) {
        const double principal = principals(random);
        const double rate = rates(random);
        const int n = periods(random);
        const int kind = kinds(random);
        const double expected =
                static_cast<double>(referencePayment(principal, rate, n, perYear[kind - 1]));
        const double actual = static_cast<double>(CalcPayment(principal, rate, n, kind));
        ASSERT_NEAR(actual, expected, std::abs(expected) * 1e-12)
                << principal << " at " << rate << " % over " << n << " kind " << kind;
    }
}
