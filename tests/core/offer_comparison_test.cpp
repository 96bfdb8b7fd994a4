#include "core/offer_comparison.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "core/offer_values.h"
#include "core/saved_values.h"
#include "core/schedule_values.h"
#include "support/decimal_reference.h"
#include "support/recording_file_store.h"
#include "support/row_printers.h"

using lw::core::BreakEven;
using lw::core::Cents;
using lw::core::LoanScenario;
using lw::core::OfferFigures;
using lw::test::Decimal;

namespace {

// To the cent, ties up (every amount here is positive). Rounding to 20 places first
// restores a tie that a quotient cut off at the 50th digit reads as ...4999.
Decimal cent(const Decimal &x)
{
    const Decimal scaled = round(x * Decimal("1e22")) / Decimal("1e20");
    return floor(scaled + Decimal("0.5")) / 100;
}

Cents inCents(const Decimal &x)
{
    return static_cast<Cents>(round(x * 100));
}

struct Terms
{
    double price, down, rate;
    double points = 0; // % of the loan
    double fees = 0;
    double insuranceRate = 0; // % of the loan a year
};

LoanScenario scenarioOf(const Terms &t)
{
    LoanScenario s;
    s.price = std::llround(t.price * 100);
    s.downPayment = std::llround(t.down * 100);
    s.rate = std::llround(t.rate * 10000);
    s.firstPayment = QDate(2027, 1, 1);
    s.points = std::llround(t.points * 10000);
    s.lenderFees = std::llround(t.fees * 100);
    s.mortgageInsuranceRate = std::llround(t.insuranceRate * 10000);
    return s;
}

// A 30-year loan worked month by month in decimals, the premium charged until the balance
// has been paid down to 80 % of the price (the buyer asks for the cancellation).
struct Reference
{
    std::vector<Cents> stream; // payment with premium
    Cents financed = 0;
    Cents fiveYearPrincipal = 0, fiveYearInterest = 0, fiveYearInsurance = 0;
    Decimal interest = 0;
};

Reference reference(const Terms &t)
{
    const int n = 360;
    const Decimal loan = Decimal(t.price) - Decimal(t.down);
    const Decimal r = Decimal(t.rate) / 1200;
    const Decimal payment = cent(loan * r / (1 - pow(1 + r, -n)));
    const bool insured = t.insuranceRate > 0 && loan > Decimal(t.price) * Decimal("0.8");
    Decimal premium = insured ? cent(loan * Decimal(t.insuranceRate) / 1200) : Decimal(0);
    Reference ref;
    ref.financed = inCents(loan - cent(loan * Decimal(t.points) / 100) - Decimal(t.fees));
    Decimal balance = loan;
    for (int k = 1; balance > 0; ++k) {
        const Decimal interest = cent(balance * r);
        const Decimal principal =
                k == n || payment - interest >= balance ? balance : payment - interest;
        ref.stream.push_back(inCents(interest + principal + premium));
        if (k <= 60) {
            ref.fiveYearPrincipal += inCents(principal);
            ref.fiveYearInterest += inCents(interest);
            ref.fiveYearInsurance += inCents(premium);
        }
        ref.interest += interest;
        balance -= principal;
        if (balance <= Decimal(t.price) * Decimal("0.8"))
            premium = 0;
    }
    return ref;
}

struct AprRow
{
    const char *name;
    Terms terms;
    bool atNoteRate; // shown to three decimals, the APR is the note rate
};

LW_PRINT_ROW_NAME(AprRow)

class OfferApr : public testing::TestWithParam<AprRow>
{
};

TEST_P(OfferApr, IsTheRootForTheStreamOfPaymentsAndPremiums)
{
    const AprRow &row = GetParam();
    const OfferFigures f = lw::core::offerFigures(scenarioOf(row.terms), 5);
    const Reference ref = reference(row.terms);
    EXPECT_EQ(f.stream, ref.stream);
    const double expected = lw::test::referenceApr(ref.financed, ref.stream);
    ASSERT_TRUE(f.apr);
    EXPECT_NEAR(*f.apr, expected, 1e-9);
    if (row.atNoteRate) {
        EXPECT_EQ(std::llround(*f.apr * 1000), std::llround(row.terms.rate * 1000));
    }
}

// 300,000 at 6.5 % over 30 years each time; the third borrows 93.75 % of the price.
INSTANTIATE_TEST_SUITE_P(Offers, OfferApr,
        testing::Values(AprRow{ "NoPointsNoFees", { 375000, 75000, 6.5 }, true },
                AprRow{ "OnePoint", { 375000, 75000, 6.5, 1 }, false },
                AprRow{ "FeesAndInsuranceEndingMidLoan", { 320000, 20000, 6.5, 1, 1200, 0.55 },
                        false }),
        lw::test::RowName{});

TEST(OfferFigures, FiveYearsAndTipAsTheReferenceSchedule)
{
    const Terms terms{ 320000, 20000, 6.5, 1, 1200, 0.55 };
    const OfferFigures f = lw::core::offerFigures(scenarioOf(terms), 5);
    const Reference ref = reference(terms);
    EXPECT_EQ(f.periodMonths, 60);
    EXPECT_EQ(f.periodPrincipal, ref.fiveYearPrincipal);
    EXPECT_EQ(f.periodInterest, ref.fiveYearInterest);
    EXPECT_EQ(f.periodMortgageInsurance, ref.fiveYearInsurance);
    // One point on 300,000 and the fees are the loan costs.
    EXPECT_EQ(f.periodTotal,
            ref.fiveYearPrincipal + ref.fiveYearInterest + ref.fiveYearInsurance + 300000 + 120000);
    EXPECT_EQ(f.totalInterest, inCents(ref.interest));
    const Decimal tip = ref.interest / 300000 * 100;
    EXPECT_EQ(f.totalInterestPercentage, static_cast<std::int64_t>(round(tip * 1000)));
}

struct BreakEvenRow
{
    const char *name;
    double firstRate, firstPoints;
    double rate, points;
    BreakEven::Kind kind;
};

LW_PRINT_ROW_NAME(BreakEvenRow)

class PointsBreakEven : public testing::TestWithParam<BreakEvenRow>
{
};

// The level payment of 300,000 over 30 years, to the cent.
Decimal levelPayment(double rate)
{
    const Decimal r = Decimal(rate) / 1200;
    return cent(Decimal(300000) * r / (1 - pow(1 + r, -360)));
}

TEST_P(PointsBreakEven, IsTheMonthTheSavingsRepayThePoints)
{
    const BreakEvenRow &row = GetParam();
    const auto figures = [](double rate, double points) {
        return lw::core::offerFigures(scenarioOf({ 375000, 75000, rate, points }), 5);
    };
    const BreakEven b = lw::core::breakEven(
            figures(row.firstRate, row.firstPoints), figures(row.rate, row.points));
    EXPECT_EQ(b.kind, row.kind);
    if (row.kind != BreakEven::Kind::After)
        return;
    // Level payments until the last: the extra points over the monthly saving, rounded up.
    const Decimal saving = levelPayment(row.firstRate) - levelPayment(row.rate);
    const Decimal extra = Decimal(300000) * Decimal(row.points - row.firstPoints) / 100;
    EXPECT_EQ(b.month, static_cast<int>(ceil(extra / saving)));
}

INSTANTIATE_TEST_SUITE_P(Offers, PointsBreakEven,
        testing::Values(
                BreakEvenRow{ "OnePointForAQuarterLess", 6.875, 0, 6.5, 1, BreakEven::Kind::After },
                BreakEvenRow{
                        "PointsWithoutALowerPayment", 6.875, 0, 6.875, 1, BreakEven::Kind::Never },
                BreakEvenRow{
                        "TooLittleSavedWithinTheTerm", 6.875, 0, 6.87, 5, BreakEven::Kind::Never },
                BreakEvenRow{
                        "NoMorePointsThanTheFirst", 6.5, 1, 6.875, 0, BreakEven::Kind::None }),
        lw::test::RowName{});

TEST(CompareValues, SurviveARestartInTheSameWriteAsTheSchedule)
{
    lw::test::RecordingFileStore files;
    lw::core::ValueRecord record;
    record.FCommonDataFolder = QStringLiteral("/home/u/.config/");
    record.FDataSubFolder = QStringLiteral("Loanwright/");
    lw::core::CompareValues values;
    values.years = 7;
    lw::core::Offer plain;
    plain.name = QStringLiteral("Lender A");
    plain.rate = 65000;
    plain.points = 10000;
    plain.lenderFees = 120000;
    plain.downPayment = 7500000;
    lw::core::Offer overriding;
    overriding.name = QStringLiteral("Lender B, local");
    overriding.rate = 68750;
    overriding.years = 15;
    overriding.price = 32000000;
    overriding.mortgageInsuranceRate = 5500;
    overriding.monthlyHoa = 0;
    values.offers = { plain, overriding };
    lw::core::ScheduleValues schedule;
    schedule.view = 1;
    const lw::platform::LocaleInfo locale;
    lw::core::SaveValuesAtExit(record, files, locale,
            { [&](lw::platform::ProfileFile &s) {
                 return lw::core::writeScheduleValues(s, schedule, locale);
             },
                    [&](lw::platform::ProfileFile &s) {
                        return lw::core::writeCompareValues(s, values);
                    } });
    EXPECT_EQ(files.replacements, 1);
    const QString path = lw::core::settingsFilePath(record);
    EXPECT_EQ(lw::core::loadCompareValues(path, files), values);
    EXPECT_EQ(lw::core::loadScheduleValues(path, files, locale), schedule);
}

} // namespace
