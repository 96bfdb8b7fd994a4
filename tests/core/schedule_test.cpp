#include "core/schedule.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "core/schedule_csv.h"
#include "core/schedule_years.h"
#include "support/row_printers.h"

#include <boost/multiprecision/cpp_bin_float.hpp>
#include <boost/multiprecision/cpp_dec_float.hpp>

using lw::core::Cents;
using lw::core::computeSchedule;
using lw::core::OneTimeExtra;
using lw::core::Schedule;
using lw::core::ScheduleInputs;
using lw::core::ScheduleStatus;

namespace {

using Decimal = boost::multiprecision::cpp_dec_float_50;

// Rounds to the cent, ties away from zero, in decimal. A quotient by 1200 ends in the 50th
// digit, where a true tie may read as ...4999; every interest is a whole multiple of
// 1/12,000,000 cent, so rounding to 20 places first restores ties and changes nothing else.
Decimal toCent(const Decimal &amount)
{
    const Decimal e20("1e20");
    const Decimal scaled = round(amount * 100 * e20) / e20;
    const Decimal whole =
            scaled < 0 ? ceil(scaled - Decimal("0.5")) : floor(scaled + Decimal("0.5"));
    return whole / 100;
}

Cents asCents(const Decimal &amount)
{
    return static_cast<Cents>(round(amount * 100));
}

// The annuity payment at 50 decimal digits, as the pass computes it before rounding.
double passPayment(double loan, double rate, int n)
{
    if (rate == 0)
        return loan / n;
    const Decimal r = Decimal(rate) / 1200;
    return static_cast<double>(Decimal(loan) * r / (1 - pow(1 + r, -n)));
}

struct Extra
{
    double monthly = 0;
    int from = 1;
    std::vector<std::pair<int, double>> once;
};

struct Month
{
    Cents payment, interest, principal, extra, balance;
    friend bool operator==(const Month &, const Month &) = default;
};

[[maybe_unused]] void PrintTo(const Month &m, std::ostream *os)
{
    *os << m.payment << '/' << m.interest << '/' << m.principal << '/' << m.extra << '/'
        << m.balance;
}

// The rules worked out in 50-digit decimals, month by month, without the code's integers.
std::vector<Month> referenceMonths(double loan, double rate, int n, const Extra &extra)
{
    const Decimal monthlyRate = Decimal(rate) / 1200;
    const Decimal payment = toCent(Decimal(passPayment(loan, rate, n)));
    Decimal balance = Decimal(loan);
    std::vector<Month> months;
    for (int k = 1; balance > 0; ++k) {
        const Decimal interest = toCent(balance * monthlyRate);
        Decimal principal = payment - interest;
        if (k == n || principal >= balance)
            principal = balance;
        Decimal add = k >= extra.from ? Decimal(extra.monthly) : Decimal(0);
        for (const auto &[number, amount] : extra.once)
            if (number == k)
                add += Decimal(amount);
        add = std::min(add, Decimal(balance - principal));
        balance -= principal + add;
        months.push_back({ asCents(interest + principal), asCents(interest), asCents(principal),
                asCents(add), asCents(balance) });
    }
    return months;
}

ScheduleInputs inputs(double loan, double rate, int years, const Extra &extra)
{
    ScheduleInputs in;
    in.loan = loan;
    in.annualRate = rate;
    in.payments = years * 12;
    in.monthlyPI = passPayment(loan, rate, years * 12);
    in.firstPayment = QDate(2027, 1, 1);
    in.extras.monthly = std::llround(extra.monthly * 100);
    in.extras.monthlyFrom = extra.from;
    for (const auto &[number, amount] : extra.once)
        in.extras.oneTime.push_back({ number, std::llround(amount * 100) });
    return in;
}

std::vector<Month> monthsOf(const Schedule &s)
{
    std::vector<Month> months;
    for (const auto &row : s.rows)
        months.push_back({ row.payment, row.interest, row.principal, row.extra, row.balance });
    return months;
}

Cents sumOf(const std::vector<Month> &months, Cents Month::*column)
{
    Cents sum = 0;
    for (const Month &m : months)
        sum += m.*column;
    return sum;
}

struct LoanRow
{
    const char *name;
    double loan;
    double rate;
    int years;
    Extra extra;
};

LW_PRINT_ROW_NAME(LoanRow)

class ScheduleAgainstReference : public ::testing::TestWithParam<LoanRow>
{
};

TEST_P(ScheduleAgainstReference, EveryMonthAndTotalMatch)
{
    const LoanRow &row = GetParam();
    const Schedule s = computeSchedule(inputs(row.loan, row.rate, row.years, row.extra));
    const std::vector<Month> expected =
            referenceMonths(row.loan, row.rate, row.years * 12, row.extra);
    ASSERT_EQ(s.status, ScheduleStatus::Complete);
    const std::vector<Month> months = monthsOf(s);
    ASSERT_EQ(months.size(), expected.size());
    for (std::size_t i = 0; i < months.size(); ++i)
        ASSERT_EQ(months[i], expected[i]) << "payment " << i + 1;
    EXPECT_EQ(s.rows.back().balance, 0);
    EXPECT_EQ(s.totals.interest, sumOf(expected, &Month::interest));
    EXPECT_EQ(s.totals.paid, s.totals.interest + asCents(Decimal(row.loan)));
    EXPECT_EQ(s.rows.back().date, QDate(2027, 1, 1).addMonths(s.totals.payments - 1));
}

INSTANTIATE_TEST_SUITE_P(Loans, ScheduleAgainstReference,
        ::testing::Values(LoanRow{ "Default", 80000, 6, 30, {} },
                LoanRow{ "FifteenYears", 80000, 6, 15, {} },
                LoanRow{ "TwentyYears", 80000, 6, 20, {} }, LoanRow{ "ZeroRate", 80000, 0, 30, {} },
                LoanRow{ "OddRate", 312345.67, 7.3125, 30, {} },
                LoanRow{ "NegativeRate", 80000, -1, 30, {} },
                LoanRow{ "MonthlyExtraFromFirst", 80000, 6, 30, { 100, 1, {} } },
                LoanRow{ "MonthlyExtraLaterAndOnce", 80000, 6, 30, { 50, 25, { { 60, 5000 } } } },
                LoanRow{ "OnceBeyondBalance", 80000, 6, 30, { 0, 1, { { 12, 1e6 } } } }),
        lw::test::RowName());

TEST(Schedule, DefaultLoanPaysTheRoundedPaymentUntilTheLast)
{
    const Schedule s = computeSchedule(inputs(80000, 6, 30, {}));
    ASSERT_EQ(s.rows.size(), 360U);
    EXPECT_EQ(s.scheduledPayment, 47964);
    for (std::size_t i = 0; i + 1 < s.rows.size(); ++i)
        ASSERT_EQ(s.rows[i].payment, 47964) << "payment " << i + 1;
    // The sentence's $92,670.55 is 360 unrounded payments less the loan. The schedule pays
    // 479.64, about 0.04 of a cent less a month; the shortfall and its interest come due
    // with the last payment, so the two totals differ by cents, not dollars.
    EXPECT_NEAR(lw::core::toAmount(s.totals.interest), 92670.55, 0.50);
}

TEST(Schedule, MonthlyExtraEndsInTheClosedFormMonthAndSavesInterest)
{
    const Schedule s = computeSchedule(inputs(80000, 6, 30, { 100, 1, {} }));
    // n = -ln(1 - rB/P) / ln(1 + r) months repay B at rate r with P = 479.64 + 100 a month.
    using Binary = boost::multiprecision::cpp_bin_float_50;
    const Binary r = Binary(6) / 1200;
    const Binary months = -log(1 - r * 80000 / Binary("579.64")) / log(1 + r);
    EXPECT_EQ(s.totals.payments, static_cast<int>(ceil(months)));
    const Cents plainInterest = sumOf(referenceMonths(80000, 6, 360, {}), &Month::interest);
    EXPECT_EQ(s.paymentsSaved, 360 - s.totals.payments);
    EXPECT_EQ(s.interestSaved, plainInterest - s.totals.interest);
}

TEST(Schedule, ZeroRateHalfCentPaymentRoundsAwayFromZero)
{
    ScheduleInputs in = inputs(99999, 0, 30, {});
    in.monthlyPI = 99999.0 / 360; // the binary quotient, a hair below 277.775
    const Cents loan = 9999900;
    const Cents expected = (2 * loan + 360) / (2 * 360); // loan / 360 + 1/2, truncated
    EXPECT_EQ(computeSchedule(in).scheduledPayment, expected);
    EXPECT_EQ(expected, 27778);
}

TEST(Schedule, NoSavingsWhenTheLoanWithoutExtrasNeverEnds)
{
    // At -120 % a payment of -1,000 repays only while the negative interest exceeds 1,000:
    // the plain loan's balance closes in on 10,000 until a month repays nothing; the extra
    // in month 2 pays it off.
    ScheduleInputs in = inputs(80000, -120, 30, { 0, 1, { { 2, 1e6 } } });
    in.monthlyPI = -1000;
    const Schedule s = computeSchedule(in);
    ASSERT_EQ(s.status, ScheduleStatus::Complete);
    EXPECT_EQ(s.totals.payments, 2);
    EXPECT_EQ(s.paymentsSaved, 0);
    EXPECT_EQ(s.interestSaved, 0);
}

TEST(Schedule, OneTimeExtraBeyondTheBalanceEndsTheLoanThatMonth)
{
    const Schedule s = computeSchedule(inputs(80000, 6, 30, { 0, 1, { { 12, 1e6 } } }));
    ASSERT_EQ(s.rows.size(), 12U);
    const auto &last = s.rows.back();
    EXPECT_EQ(last.extra, s.rows[10].balance - last.principal);
}

struct ShortfallRow
{
    const char *name;
    double rate;
    double payment;
    int failing;
    bool coversInterest;
};

LW_PRINT_ROW_NAME(ShortfallRow)

class PaymentBelowInterest : public ::testing::TestWithParam<ShortfallRow>
{
};

TEST_P(PaymentBelowInterest, IsReportedNotLooped)
{
    const ShortfallRow &row = GetParam();
    ScheduleInputs in = inputs(80000, 6, 30, {});
    in.annualRate = row.rate;
    in.monthlyPI = row.payment;
    const Schedule s = computeSchedule(in);
    EXPECT_EQ(s.status, ScheduleStatus::NegativeAmortization);
    EXPECT_EQ(s.failingPayment, row.failing);
    EXPECT_EQ(s.failingCoversInterest, row.coversInterest);
    EXPECT_TRUE(s.rows.empty());
}

INSTANTIATE_TEST_SUITE_P(Payments, PaymentBelowInterest,
        ::testing::Values(ShortfallRow{ "EqualToInterest", 6, 400, 1, true },
                ShortfallRow{ "BelowInterest", 6, 250, 1, false },
                // -1200 % makes the pass's payment minus the loan: it never repays.
                ShortfallRow{ "MinusTwelveHundredPercent", -1200, -80000, 1, true }),
        lw::test::RowName());

struct NoScheduleRow
{
    const char *name;
    double loan;
    double rate;
    int payments;
    ScheduleStatus status;
};

LW_PRINT_ROW_NAME(NoScheduleRow)

class NoSchedule : public ::testing::TestWithParam<NoScheduleRow>
{
};

TEST_P(NoSchedule, HasNoRows)
{
    const NoScheduleRow &row = GetParam();
    ScheduleInputs in = inputs(80000, 6, 30, {});
    in.loan = row.loan;
    in.annualRate = row.rate;
    in.payments = row.payments;
    const Schedule s = computeSchedule(in);
    EXPECT_EQ(s.status, row.status);
    EXPECT_TRUE(s.rows.empty());
}

INSTANTIATE_TEST_SUITE_P(Inputs, NoSchedule,
        ::testing::Values(NoScheduleRow{ "NegativeLoan", -5000, 6, 360, ScheduleStatus::NoLoan },
                NoScheduleRow{ "ZeroLoan", 0, 6, 360, ScheduleStatus::NoLoan },
                NoScheduleRow{ "NoPayments", 80000, 6, 0, ScheduleStatus::NoLoan },
                NoScheduleRow{ "HugeLoan", 1e20, 6, 360, ScheduleStatus::OutOfRange },
                NoScheduleRow{ "NotANumberRate", 80000, NAN, 360, ScheduleStatus::OutOfRange },
                NoScheduleRow{ "EndlessTerm", 80000, 6, 1000000, ScheduleStatus::OutOfRange }),
        lw::test::RowName());

struct InterestRow
{
    const char *name;
    Cents balance;
    double rate;
    Cents interest;
};

LW_PRINT_ROW_NAME(InterestRow)

class MonthlyInterest : public ::testing::TestWithParam<InterestRow>
{
};

TEST_P(MonthlyInterest, RoundsTiesAwayFromZero)
{
    const InterestRow &row = GetParam();
    EXPECT_EQ(lw::core::monthlyInterest(row.balance, *lw::core::toScaledRate(row.rate)),
            row.interest);
}

// 1.00 at 6 % is half a cent a month: a tie.
INSTANTIATE_TEST_SUITE_P(Ties, MonthlyInterest,
        ::testing::Values(InterestRow{ "PositiveTie", 100, 6, 1 },
                InterestRow{ "NegativeTie", 100, -6, -1 },
                InterestRow{ "BelowTie", 100, 5.9999, 0 },
                InterestRow{ "FourDecimals", 8000000, 7.3125, 48750 },
                InterestRow{ "LargestField", 99999999999, 999.9999, 83333324999 }),
        lw::test::RowName());

struct GroupingRow
{
    const char *name;
    lw::core::YearGrouping grouping;
    QDate first;
    int firstYearPayments;
    std::size_t years;
};

LW_PRINT_ROW_NAME(GroupingRow)

class YearlyTotals : public ::testing::TestWithParam<GroupingRow>
{
};

TEST_P(YearlyTotals, SplitTheMonthsAndKeepTheTotals)
{
    const GroupingRow &row = GetParam();
    ScheduleInputs in = inputs(80000, 6, 30, {});
    in.firstPayment = row.first;
    const Schedule s = computeSchedule(in);
    const auto years = lw::core::yearlyTotals(s.rows, row.grouping);
    ASSERT_EQ(years.size(), row.years);
    EXPECT_EQ(years.front().lastNumber, row.firstYearPayments);
    Cents interest = 0;
    Cents principal = 0;
    for (const auto &y : years) {
        interest += y.interest;
        principal += y.principal;
    }
    EXPECT_EQ(interest, s.totals.interest);
    EXPECT_EQ(principal, s.totals.principal);
    EXPECT_EQ(years.back().balance, 0);
}

INSTANTIATE_TEST_SUITE_P(Groupings, YearlyTotals,
        ::testing::Values(GroupingRow{ "CalendarFromNovember", lw::core::YearGrouping::Calendar,
                                  QDate(2026, 11, 1), 2, 31 },
                GroupingRow{ "CalendarFromJanuary", lw::core::YearGrouping::Calendar,
                        QDate(2027, 1, 1), 12, 30 },
                GroupingRow{
                        "LoanYears", lw::core::YearGrouping::Loan, QDate(2026, 11, 1), 12, 30 }),
        lw::test::RowName());

TEST(ScheduleCsv, TheLatestFirstPaymentStillDatesTheLastPayment)
{
    ScheduleInputs in = inputs(80000, 6, 30, {});
    in.firstPayment = lw::core::latestFirstPayment(360);
    const QList<QByteArray> lines = lw::core::scheduleCsv(computeSchedule(in)).split('\n');
    ASSERT_EQ(lines.size(), 362);
    EXPECT_TRUE(lines[1].startsWith("1,9970-01-01,"));
    EXPECT_TRUE(lines[360].startsWith("360,9999-12-01,"));
}

TEST(ScheduleCsv, WritesHeaderIsoDatesAndPlainAmounts)
{
    const Schedule s = computeSchedule(inputs(80000, 6, 30, {}));
    const QList<QByteArray> lines = lw::core::scheduleCsv(s).split('\n');
    ASSERT_EQ(lines.size(), 362); // header, 360 payments, nothing after the last line end
    EXPECT_EQ(lines[0], "Number,Date,Payment,Interest,Principal,Extra,Balance\r");
    // 80,000 at half a percent a month: 400.00 interest, 79.64 principal.
    EXPECT_EQ(lines[1], "1,2027-01-01,479.64,400.00,79.64,0.00,79920.36\r");
    EXPECT_TRUE(lines[360].startsWith("360,2056-12-01,"));
    EXPECT_TRUE(lines[360].endsWith(",0.00,0.00\r"));
    EXPECT_TRUE(lines[361].isEmpty());
}

} // namespace
