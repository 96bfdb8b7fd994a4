#include "core/affordability.h"

#include <gtest/gtest.h>

#include "support/decimal_money.h"

using lw::core::AffordInputs;
using lw::core::AffordLimit;
using lw::core::Cents;
using lw::core::RateScale;
using lw::core::solveAffordability;
using lw::test::annuity;
using lw::test::cent;
using lw::test::Decimal;
using lw::test::inCents;

namespace {

// A buyer, in currency units and percent, as the page takes them.
struct Buyer
{
    const char *name;
    double income, debts, down;
    double front, back, taxShare, insurance, hoa, insuranceRate, rate;
};

// The housing payment at a price in cents, worked out at 50 digits from the rules: P&I on
// price - down, a twelfth of the price's taxes (rounded once a year) and of the insurance,
// mortgage insurance while the loan is above 80 % of the price, HOA dues.
Decimal housing(const Buyer &b, Cents price)
{
    const Decimal p = Decimal(price) / 100;
    const Decimal loan = p > Decimal(b.down) ? p - Decimal(b.down) : Decimal(0);
    Decimal total = cent(cent(p * Decimal(b.taxShare) / 100) / 12) + cent(Decimal(b.insurance) / 12)
            + Decimal(b.hoa);
    if (loan > 0)
        total += cent(Decimal(annuity(static_cast<double>(loan), b.rate, 360)));
    if (loan * 100 > p * 80)
        total += cent(loan * Decimal(b.insuranceRate) / 1200);
    return total;
}

bool fits(const Buyer &b, Cents price)
{
    const Decimal h = housing(b, price);
    return h * 100 <= Decimal(b.income) * Decimal(b.front)
            && (h + Decimal(b.debts)) * 100 <= Decimal(b.income) * Decimal(b.back);
}

// Bisection over whole cents on the decimal rules, up to a billion.
Cents referencePrice(const Buyer &b)
{
    Cents lo = 0;
    Cents hi = 100'000'000'000;
    while (hi - lo > 1) {
        const Cents mid = lo + (hi - lo) / 2;
        (fits(b, mid) ? lo : hi) = mid;
    }
    return lo;
}

std::int64_t scaled(double percent)
{
    return static_cast<std::int64_t>(percent * RateScale + 0.5);
}

AffordInputs inputsOf(const Buyer &b)
{
    AffordInputs in;
    in.monthlyIncome = inCents(Decimal(b.income));
    in.monthlyDebts = inCents(Decimal(b.debts));
    in.downPayment = inCents(Decimal(b.down));
    in.frontRatio = scaled(b.front);
    in.backRatio = scaled(b.back);
    in.taxRate = scaled(b.taxShare);
    in.terms.rate = scaled(b.rate);
    in.terms.payments = 360;
    in.terms.annualInsurance = inCents(Decimal(b.insurance));
    in.terms.monthlyHoa = inCents(Decimal(b.hoa));
    in.terms.mortgageInsuranceRate = scaled(b.insuranceRate);
    return in;
}

struct AffordCase
{
    Buyer buyer;
    AffordLimit binding;
    Cents expectedPrice; // 0: the bisection's; else also a price worked out by hand
};

class AffordabilityTest : public testing::TestWithParam<AffordCase>
{
};

TEST_P(AffordabilityTest, IsTheHighestPriceWithinBothLimits)
{
    const AffordCase &c = GetParam();
    const auto result = solveAffordability(inputsOf(c.buyer));
    ASSERT_TRUE(result.affordable);
    EXPECT_EQ(result.price, referencePrice(c.buyer));
    if (c.expectedPrice) {
        EXPECT_EQ(result.price, c.expectedPrice);
    }
    EXPECT_EQ(result.binding, c.binding);
    const Decimal h = housing(c.buyer, result.price);
    EXPECT_EQ(result.payment.total, inCents(h));
    // Shares in hundredths of a percent: rounding 100 x share to the cent is exactly that.
    const Decimal income(c.buyer.income);
    EXPECT_EQ(result.frontShare, inCents(h * 100 / income));
    EXPECT_EQ(result.backShare, inCents((h + Decimal(c.buyer.debts)) * 100 / income));
}

// At 300,000 with 60,000 down the loan is exactly 80 %: 1,516.96 P&I + 300 taxes + 100
// insurance fit under 28 % of 7,142.86 (2,000.00); a cent more adds 110.00 of insurance.
INSTANTIATE_TEST_SUITE_P(Buyers, AffordabilityTest,
        testing::Values(
                AffordCase{ { "FrontEndBinds", 10000, 0, 100000, 28, 36, 1.2, 1200, 0, 0.55, 6.5 },
                        AffordLimit::FrontEnd, 0 },
                AffordCase{
                        { "BackEndBinds", 10000, 1500, 100000, 28, 36, 1.2, 1200, 50, 0.55, 6.5 },
                        AffordLimit::BackEnd, 0 },
                AffordCase{
                        { "InsuranceBoundary", 7142.86, 0, 60000, 28, 36, 1.2, 1200, 0, 0.55, 6.5 },
                        AffordLimit::FrontEnd, 30000000 },
                // Within both limits up to the most the price field holds, 999,999,999.99.
                AffordCase{ { "PriceFieldFull", 1e9, 0, 100000, 28, 36, 1.2, 1200, 0, 0.55, 6.5 },
                        AffordLimit::Ceiling, 99999999999 }),
        [](const testing::TestParamInfo<AffordCase> &row) {
            return std::string(row.param.buyer.name);
        });

TEST(Affordability, NothingWhenDebtsAloneExceedTheBackEndShare)
{
    const Buyer buyer{ "Debts", 10000, 3700, 50000, 28, 36, 1.2, 1200, 0, 0.55, 6.5 };
    EXPECT_FALSE(solveAffordability(inputsOf(buyer)).affordable);
}

} // namespace
