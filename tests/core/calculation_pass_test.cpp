#include "core/calculation_pass.h"

#include <cfenv>

#include <gtest/gtest.h>

#include "core/math_error.h"
#include "core/summary_text.h"
#include "support/core_doubles.h"

using namespace lw::core;

namespace {

using lw::test::FakeButton;
using lw::test::FakeField;
using lw::test::FakeLabel;

class CalculationPass : public testing::Test
{
protected:
    FakeField price, down, loan, rate, taxes, insurance, pi, piti;
    FakeButton b15, b20, b30;
    FakeLabel s1, s2, s3;
    CalculatorControls controls{ price, down, loan, rate, taxes, insurance, pi, piti, b15, b20, b30,
        s1, s2, s3 };
    ValueRecord record;
    lw::platform::LocaleInfo us = [] {
        lw::platform::LocaleInfo l;
        l.negativeCurrencyFormat = 1; // -$1.00, as en_US writes it
        return l;
    }();

    void enter(double p, double d, double r, FakeButton &term, double t, double i)
    {
        price.value = p;
        down.value = d;
        rate.value = r;
        b15.checked = b20.checked = b30.checked = false;
        term.checked = true;
        taxes.value = t;
        insurance.value = i;
    }

    void run() { Calculate(record, controls, us); }
};

// Annuity payment at the given term, independent of the code under test.
double annuity(double principal, double annualRate, int years)
{
    const long double r = annualRate / 1200.0L;
    return static_cast<double>(principal * r / (1 - std::pow(1 + r, -12.0L * years)));
}

} // namespace

TEST_F(CalculationPass, DefaultInputs)
{
    enter(100000, 20000, 6, b30, 500, 500);
    run();
    EXPECT_EQ(loan.value, 80000);
    EXPECT_NEAR(pi.value, annuity(80000, 6, 30), 1e-10);
    EXPECT_NEAR(piti.value, pi.value + 1000.0 / 12, 1e-10);
    EXPECT_EQ(record.FActualLoan, 80000);
    EXPECT_EQ(record.FMonthlyPI, pi.value);
    EXPECT_EQ(record.FMonthlyPITI, piti.value);
    EXPECT_EQ(record.FTerm, 30);
    // The labels carry the sentence of the term's totals; its wording is the summary's own test.
    const double paid = 360 * pi.value;
    const auto expected = summarize(30, TermTotals{ paid - 80000, 15000, 15000, paid + 30000 }, us);
    EXPECT_EQ(s1.text, expected.line1);
    EXPECT_EQ(s2.text, expected.line2);
    EXPECT_EQ(s3.text, expected.line3);
}

TEST_F(CalculationPass, ShorterTerms)
{
    enter(100000, 20000, 6, b15, 500, 500);
    run();
    EXPECT_NEAR(pi.value, 675.09, 0.005);
    EXPECT_TRUE(s1.text.contains(QStringLiteral(" 15 years ")));
    enter(100000, 20000, 6, b20, 500, 500);
    run();
    EXPECT_NEAR(pi.value, 573.14, 0.005);
    EXPECT_TRUE(s1.text.contains(QStringLiteral(" 20 years ")));
}

TEST_F(CalculationPass, NoCheckedTermKeepsTheRecordedTerm)
{
    enter(100000, 20000, 6, b20, 500, 500);
    b20.checked = false;
    record.FTerm = 15;
    run();
    EXPECT_EQ(record.FTerm, 15);
    EXPECT_NEAR(pi.value, 675.09, 0.005);
}

TEST_F(CalculationPass, ZeroRateRepaysTheLoanWithoutInterest)
{
    enter(100000, 20000, 0, b30, 600, 1200);
    run();
    EXPECT_DOUBLE_EQ(pi.value, 80000.0 / 360);
    EXPECT_DOUBLE_EQ(piti.value, 80000.0 / 360 + 150);
    EXPECT_TRUE(s2.text.startsWith(
            QStringLiteral("$0.00 in interest, $18,000.00 in taxes and $36,000.00 in")));
    EXPECT_EQ(s3.text, QStringLiteral("insurance premiums, for a total cost of $134,000.00"));
}

TEST_F(CalculationPass, DownPaymentAbovePriceGivesNegativeLoanAndPayment)
{
    enter(100000, 150000, 6, b30, 0, 0);
    run();
    EXPECT_EQ(loan.value, -50000);
    EXPECT_LT(pi.value, 0);
    EXPECT_TRUE(s3.text.endsWith(
            QStringLiteral("-$") + QString::number(-360 * pi.value, 'f', 2).insert(3, u',')));
}

TEST_F(CalculationPass, ResultFieldsAreOverwrittenAndRepeatingChangesNothing)
{
    enter(100000, 20000, 6, b30, 500, 500);
    loan.value = 5;
    pi.value = 7;
    run();
    const double firstPI = pi.value;
    const QString firstSummary = s2.text;
    run();
    EXPECT_EQ(loan.value, 80000);
    EXPECT_EQ(pi.value, firstPI);
    EXPECT_EQ(s2.text, firstSummary);
}

TEST_F(CalculationPass, LargeTotalsAreScientific)
{
    enter(999999999.99, 0, 6, b30, 999999999.99, 0);
    run();
    EXPECT_TRUE(s2.text.contains(QStringLiteral("E10 in taxes")));
    EXPECT_FALSE(s2.text.contains(QStringLiteral("$1.")));
}

TEST_F(CalculationPass, MathErrorInThePaymentKeepsLaterResults)
{
    enter(100000, 20000, 6, b30, 500, 500);
    run();
    const ValueRecord before = record;
    const double oldPI = pi.value, oldPITI = piti.value;
    const QString oldSummary = s2.text;
    enter(100000, 30000, -1300, b30, 900, 900);
    EXPECT_THROW(run(), MathError);
    EXPECT_EQ(loan.value, 70000); // written before the payment
    EXPECT_EQ(record.FActualLoan, 70000);
    EXPECT_EQ(record.FInterestRate, -1300);
    EXPECT_EQ(pi.value, oldPI);
    EXPECT_EQ(piti.value, oldPITI);
    EXPECT_EQ(record.FMonthlyPI, before.FMonthlyPI);
    EXPECT_EQ(record.FAnnualTaxes, before.FAnnualTaxes);
    EXPECT_EQ(record.FAnnualInsurance, before.FAnnualInsurance);
    EXPECT_EQ(s2.text, oldSummary);
}

TEST_F(CalculationPass, SumBeyondTheDoubleRangeIsAMathError)
{
    enter(100000, 20000, 6, b30, 500, 500);
    run();
    const int loanWrites = loan.writes;
    enter(1.7e308, -1.7e308, 6, b30, 500, 500);
    EXPECT_THROW(run(), MathError);
    EXPECT_EQ(record.FSalesPrice, 1.7e308); // read before the loan was formed
    EXPECT_EQ(record.FDownPayment, -1.7e308);
    EXPECT_EQ(loan.writes, loanWrites);
    EXPECT_EQ(record.FActualLoan, 80000);
}

TEST_F(CalculationPass, OverflowingTotalsKeepTheSentences)
{
    enter(100000, 20000, 6, b30, 500, 500);
    run();
    const QString oldSummary = s2.text;
    enter(100000, 20000, 6, b30, 1.7e308, 0);
    EXPECT_THROW(run(), MathError);
    EXPECT_EQ(record.FAnnualTaxes, 1.7e308);
    EXPECT_DOUBLE_EQ(piti.value, pi.value + 1.7e308 / 12); // written before the totals
    EXPECT_EQ(s2.text, oldSummary);
}

TEST_F(CalculationPass, FlagsRaisedBeforeThePassDoNotCount)
{
    enter(100000, 20000, 6, b30, 500, 500);
    std::feraiseexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
    EXPECT_NO_THROW(run());
    EXPECT_EQ(loan.value, 80000);
}

TEST_F(CalculationPass, HugeStoredTermIsAMathErrorNotAWrap)
{
    enter(100000, 20000, 6, b30, 500, 500);
    b30.checked = false;
    record.FTerm = 1 << 30;
    EXPECT_THROW(run(), MathError);
}

TEST_F(CalculationPass, FactoryInputs)
{
    enter(1, 2, 3, b15, 4, 5);
    writeFactoryInputs(controls);
    EXPECT_EQ(price.value, 100000);
    EXPECT_EQ(down.value, 20000);
    EXPECT_EQ(rate.value, 6.0);
    EXPECT_TRUE(b30.checked);
    EXPECT_EQ(taxes.value, 500);
    EXPECT_EQ(insurance.value, 500);
    EXPECT_EQ(loan.writes, 0); // results come from the pass that follows
}
