#include "core/monthly_costs.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include <gtest/gtest.h>

#include "core/cost_summary.h"
#include "core/loan_scenario.h"
#include "core/money_text.h"
#include "core/schedule_csv.h"
#include "core/schedule_years.h"
#include "support/decimal_money.h"
#include "support/row_printers.h"

using lw::core::Cents;
using lw::core::InsuranceEnd;
using lw::core::LoanScenario;
using lw::core::MonthlyCosts;
using lw::core::Schedule;

namespace {

using lw::test::annuity;
using lw::test::cent;
using lw::test::Decimal;
using lw::test::inCents;

const QDate FirstPayment(2027, 1, 1);

struct Plan
{
    double monthly = 0;
    double yearly = 0;
    int yearlyMonth = 1;
    int yearlyFrom = 0;
    bool biweekly = false;
};

struct Loan
{
    double price, down, rate;
    int years;
};

struct Amortized
{
    std::vector<Decimal> balances; // after each payment
    Decimal interest = 0;
};

// The loan month by month in decimals, each extra added as the buyer reads the plan.
Amortized amortized(const Loan &loan, const Plan &plan)
{
    const int n = loan.years * 12;
    const Decimal payment = cent(Decimal(annuity(loan.price - loan.down, loan.rate, n)));
    Amortized a;
    Decimal balance = Decimal(loan.price) - Decimal(loan.down);
    for (int k = 1; balance > 0; ++k) {
        const QDate month = FirstPayment.addMonths(k - 1);
        const Decimal interest = cent(balance * Decimal(loan.rate) / 1200);
        const Decimal principal =
                k == n || payment - interest >= balance ? balance : payment - interest;
        Decimal extra = Decimal(plan.monthly) + (plan.biweekly ? cent(payment / 12) : 0);
        if (month.month() == plan.yearlyMonth && month.year() >= plan.yearlyFrom)
            extra += Decimal(plan.yearly);
        balance -= principal + std::min(extra, Decimal(balance - principal));
        a.interest += interest;
        a.balances.push_back(balance);
    }
    return a;
}

int firstAtMost(const std::vector<Decimal> &balances, const Decimal &limit)
{
    const auto it = std::find_if(balances.begin(), balances.end(), [&](const Decimal &b) {
        return b <= limit;
    });
    return static_cast<int>(it - balances.begin()) + 1;
}

LoanScenario scenarioOf(const Loan &loan, double insuranceRate, const Plan &plan)
{
    LoanScenario s;
    s.price = std::llround(loan.price * 100);
    s.downPayment = std::llround(loan.down * 100);
    s.rate = std::llround(loan.rate * 10000);
    s.payments = loan.years * 12;
    s.firstPayment = FirstPayment;
    s.mortgageInsuranceRate = std::llround(insuranceRate * 10000);
    s.extras.monthly = std::llround(plan.monthly * 100);
    s.extras.yearly = { std::llround(plan.yearly * 100), plan.yearlyMonth, plan.yearlyFrom };
    s.extras.biweekly = plan.biweekly;
    s.passPayment = annuity(loan.price - loan.down, loan.rate, s.payments);
    return s;
}

const Loan FivePercentDown{ 300000, 15000, 6.5, 30 };

struct InsuranceRow
{
    const char *name;
    Loan loan;
    double extra;
    bool ask;
    InsuranceEnd automatic;
};

LW_PRINT_ROW_NAME(InsuranceRow)

class MortgageInsurance : public ::testing::TestWithParam<InsuranceRow>
{
};

TEST_P(MortgageInsurance, EndsOnRequestAndAutomaticallyAsTheReference)
{
    const InsuranceRow &row = GetParam();
    LoanScenario s = scenarioOf(row.loan, 0.55, { row.extra });
    s.cancelOnRequest = row.ask;
    const Schedule schedule = lw::core::scenarioSchedule(s);
    const MonthlyCosts costs = lw::core::monthlyCosts(s, schedule);
    const auto &mi = costs.mortgageInsurance;

    const Decimal price(row.loan.price);
    const Decimal loan = price - Decimal(row.loan.down);
    const bool charged = loan > price * 80 / 100;
    const Decimal premium = charged ? cent(loan * Decimal("0.55") / 1200) : Decimal(0);
    const int scheduled78 = firstAtMost(amortized(row.loan, {}).balances, price * 78 / 100);
    const int middle = row.loan.years * 6;
    const int automatic = charged ? std::min(scheduled78, middle) : 0;
    const int actual80 = firstAtMost(amortized(row.loan, { row.extra }).balances, price * 80 / 100);
    const int requested = std::min(actual80, automatic);
    const int applied = row.ask ? requested : automatic;

    EXPECT_EQ(charged ? (scheduled78 <= middle ? InsuranceEnd::Scheduled : InsuranceEnd::MidTerm)
                      : InsuranceEnd::None,
            row.automatic);
    EXPECT_EQ(mi.premium, inCents(premium));
    EXPECT_EQ(mi.automatic.reason, row.automatic);
    EXPECT_EQ(mi.automatic.lastPayment, automatic);
    EXPECT_EQ(mi.onRequest.lastPayment, requested);
    EXPECT_EQ(mi.applied.lastMonth, charged ? FirstPayment.addMonths(applied - 1) : QDate());
    EXPECT_EQ(mi.applied.total, inCents(premium * applied));
    EXPECT_EQ(costs.totals.mortgageInsurance, inCents(premium * applied));
}

// With 200 a month extra the request end comes earlier than with none; the automatic end,
// by the schedule without extras, stays where it was.
INSTANTIATE_TEST_SUITE_P(Loans, MortgageInsurance,
        ::testing::Values(InsuranceRow{ "FivePercentDown", FivePercentDown, 0, true,
                                  InsuranceEnd::Scheduled },
                InsuranceRow{ "With200Extra", FivePercentDown, 200, true, InsuranceEnd::Scheduled },
                InsuranceRow{ "With200ExtraNotAsking", FivePercentDown, 200, false,
                        InsuranceEnd::Scheduled },
                InsuranceRow{ "TwentyPercentDown", { 300000, 60000, 6.5, 30 }, 0, true,
                        InsuranceEnd::None },
                InsuranceRow{ "TwelvePercentEndsMidTerm", { 300000, 15000, 12, 30 }, 0, true,
                        InsuranceEnd::MidTerm }),
        lw::test::RowName());

struct PlanRow
{
    const char *name;
    Plan plan;
};

LW_PRINT_ROW_NAME(PlanRow)

class PaymentPlans : public ::testing::TestWithParam<PlanRow>
{
};

TEST_P(PaymentPlans, PayOffInTheReferenceMonthAndSaveItsInterest)
{
    const Plan &plan = GetParam().plan;
    const Schedule s = lw::core::scenarioSchedule(scenarioOf(FivePercentDown, 0, plan));
    const Amortized with = amortized(FivePercentDown, plan);
    const Amortized without = amortized(FivePercentDown, {});
    const auto payments = static_cast<int>(with.balances.size());
    EXPECT_EQ(s.totals.payments, payments);
    EXPECT_EQ(s.rows.back().date, FirstPayment.addMonths(payments - 1));
    EXPECT_EQ(s.paymentsSaved, 360 - payments);
    EXPECT_EQ(s.interestSaved, inCents(without.interest - with.interest));
}

INSTANTIATE_TEST_SUITE_P(Plans, PaymentPlans,
        ::testing::Values(PlanRow{ "YearlyInMarchFrom2028", { 0, 5000, 3, 2028, false } },
                PlanRow{ "Biweekly", { 0, 0, 1, 0, true } },
                PlanRow{ "AllCombined", { 100, 2500, 12, 2030, true } }),
        lw::test::RowName());

TEST(CostsCsv, NewColumnsSumToTheTotalsAfterUnchangedOldOnes)
{
    LoanScenario s = scenarioOf(FivePercentDown, 0.55, { 200 });
    s.annualTaxes = 360006; // a twelfth is 300.005: rounded to 300.01
    s.annualInsurance = 120000;
    s.monthlyHoa = 5000;
    const Schedule schedule = lw::core::scenarioSchedule(s);
    const MonthlyCosts costs = lw::core::monthlyCosts(s, schedule);
    const QList<QByteArray> lines = lw::core::scheduleCsv(schedule, costs).split('\n');
    const QList<QByteArray> plain = lw::core::scheduleCsv(schedule).split('\n');
    ASSERT_EQ(lines.size(), plain.size());
    std::vector<Cents> sums(5, 0);
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].trimmed().split(',');
        ASSERT_EQ(fields.mid(0, 7).join(','), plain[i].trimmed());
        for (std::size_t c = 0; c < sums.size(); ++c)
            sums[c] += inCents(Decimal(fields[static_cast<qsizetype>(c) + 7].toStdString()));
    }
    const auto &t = costs.totals;
    EXPECT_EQ(sums, (std::vector{ t.taxes, t.insurance, t.mortgageInsurance, t.hoa, t.paid }));
    EXPECT_EQ(t.taxes, 30001 * static_cast<Cents>(schedule.rows.size()));
    EXPECT_EQ(t.paid, schedule.totals.paid + t.taxes + t.insurance + t.mortgageInsurance + t.hoa);
    const auto years = yearlyCosts(schedule.rows, costs.rows, lw::core::YearGrouping::Calendar);
    EXPECT_EQ(std::accumulate(years.begin(), years.end(), Cents{ 0 },
                      [](Cents sum, const lw::core::CostYear &y) {
                          return sum + y.costs.total;
                      }),
            t.paid);
}

struct SummaryRow
{
    const char *name;
    double insuranceRate;
    const char16_t *line;
    int notes; // lines that say lenders usually charge it
};

LW_PRINT_ROW_NAME(SummaryRow)

class CostSummary : public ::testing::TestWithParam<SummaryRow>
{
};

// Taxes of 3,600 a year and no insurance: the part that is zero is left out.
TEST_P(CostSummary, GivesTheWholePaymentAndWhatToKnowAboutInsurance)
{
    LoanScenario s = scenarioOf(FivePercentDown, GetParam().insuranceRate, {});
    s.annualTaxes = 360000;
    const MonthlyCosts costs = lw::core::monthlyCosts(s, lw::core::scenarioSchedule(s));
    const lw::platform::LocaleInfo us;
    const QStringList lines = lw::core::costSummary(costs, us, QLocale::c());
    const Decimal pi = cent(Decimal(annuity(285000, 6.5, 360)));
    const Decimal premium = cent(Decimal(285000) * Decimal(GetParam().insuranceRate) / 1200);
    const auto text = [&](const Decimal &x) {
        return lw::core::money(static_cast<double>(x), us);
    };
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines[0],
            u"Your payment is " + text(pi + 300 + premium) + u" a month: principal and interest "
                    + text(pi) + u", taxes $300.00" + QString::fromUtf16(GetParam().line));
    EXPECT_EQ(lines.filter(u"lenders usually charge mortgage insurance").size(), GetParam().notes);
}

INSTANTIATE_TEST_SUITE_P(Rates, CostSummary,
        ::testing::Values(SummaryRow{ "WithRate", 0.55, u", mortgage insurance $130.63.", 0 },
                SummaryRow{ "WithoutRate", 0, u".", 1 }),
        lw::test::RowName());

} // namespace
