#include "core/monthly_costs.h"

#include <algorithm>

namespace lw::core {

namespace {

// Price times a percentage stays exact in 128 bits for every amount.
__extension__ using Wide = __int128;

// The thresholds are compared in cents, never in floating point: 100 x balance <= p x price.
bool atMost(Cents balance, Cents price, int percent)
{
    return static_cast<Wide>(balance) * 100 <= static_cast<Wide>(price) * percent;
}

// The first payment after which the balance is at most `percent` of the price; past the
// last row when none is.
int firstAtMost(const std::vector<ScheduleRow> &rows, Cents price, int percent)
{
    const auto it = std::find_if(rows.begin(), rows.end(), [&](const ScheduleRow &row) {
        return atMost(row.balance, price, percent);
    });
    return it == rows.end() ? static_cast<int>(rows.size()) + 1 : it->number;
}

// Without extras the scenario's own schedule is the scheduled one.
int scheduledAt78(const LoanScenario &scenario, const Schedule &schedule)
{
    if (!scenario.extras.any())
        return firstAtMost(schedule.rows, scenario.price, 78);
    LoanScenario plain = scenario;
    plain.extras = {};
    return firstAtMost(scenarioSchedule(plain).rows, scenario.price, 78);
}

bool aboveEightyPercent(const LoanScenario &scenario)
{
    return scenario.loan() > 0 && !atMost(scenario.loan(), scenario.price, 80);
}

InsuranceEnding ending(InsuranceEnd reason, int last, Cents premium, const Schedule &schedule)
{
    const auto index = static_cast<std::size_t>(last - 1);
    return { reason, last, schedule.rows[index].date, premium * last };
}

// The automatic end is the earliest of three; on a tie the first named is the reason.
// - The balance first scheduled to be at most 78 % of the price by the loan's own schedule,
//   whatever extras were paid: the premium goes with that payment and stops after it.
// - The middle of the term: never with a payment after it, so with payment 180 of 360 at
//   the latest. The middle of an odd term falls inside payment (n + 1) / 2, the last one
//   that starts before it; the premium goes with that one.
// - The loan's last payment.
InsuranceEnding automaticEnd(const LoanScenario &scenario, const Schedule &schedule, Cents premium)
{
    const int scheduled = scheduledAt78(scenario, schedule);
    const int middle = (scenario.payments + 1) / 2;
    const int repaid = static_cast<int>(schedule.rows.size());
    if (scheduled <= middle && scheduled <= repaid)
        return ending(InsuranceEnd::Scheduled, scheduled, premium, schedule);
    if (middle <= repaid)
        return ending(InsuranceEnd::MidTerm, middle, premium, schedule);
    return ending(InsuranceEnd::Repaid, repaid, premium, schedule);
}

// On request the lender cancels it with the payment after which the balance, with the
// extras actually paid, is first at most 80 % of the price, if that is earlier.
InsuranceEnding requestedEnd(const LoanScenario &scenario, const Schedule &schedule, Cents premium,
        const InsuranceEnding &automatic)
{
    const int requested = firstAtMost(schedule.rows, scenario.price, 80);
    if (requested >= automatic.lastPayment)
        return automatic;
    return ending(InsuranceEnd::OnRequest, requested, premium, schedule);
}

// No premium at all for a loan of at most 80 % of the price. The premium is loan x rate /
// 1200, rounded to the cent half away from zero, the same every month while it is charged:
// the month's interest on the loan at the insurance rate.
MortgageInsuranceFacts mortgageInsurance(const LoanScenario &scenario, const Schedule &schedule)
{
    MortgageInsuranceFacts facts;
    if (!aboveEightyPercent(scenario))
        return facts;
    if (scenario.mortgageInsuranceRate <= 0) {
        facts.rateMissing = true;
        return facts;
    }
    facts.premium = mortgageInsurancePremium(scenario);
    facts.automatic = automaticEnd(scenario, schedule, facts.premium);
    facts.onRequest = requestedEnd(scenario, schedule, facts.premium, facts.automatic);
    facts.applied = scenario.cancelOnRequest ? facts.onRequest : facts.automatic;
    return facts;
}

MonthlyCost costOf(const ScheduleRow &row, const MonthlyCost &escrow, Cents premium)
{
    MonthlyCost cost = escrow;
    cost.mortgageInsurance = premium;
    cost.total = row.payment + row.extra + cost.taxes + cost.insurance + premium + cost.hoa;
    return cost;
}

void add(CostTotals &totals, const MonthlyCost &cost)
{
    totals.taxes += cost.taxes;
    totals.insurance += cost.insurance;
    totals.mortgageInsurance += cost.mortgageInsurance;
    totals.hoa += cost.hoa;
    totals.paid += cost.total;
}

FirstPayment firstPayment(const ScheduleRow &row, const MonthlyCost &cost)
{
    return { row.payment, cost.taxes, cost.insurance, cost.mortgageInsurance, cost.hoa,
        cost.total - row.extra };
}

} // namespace

Cents mortgageInsurancePremium(const LoanScenario &scenario)
{
    if (!aboveEightyPercent(scenario) || scenario.mortgageInsuranceRate <= 0)
        return 0;
    return monthlyInterest(scenario.loan(), scenario.mortgageInsuranceRate);
}

MonthlyCosts monthlyCosts(const LoanScenario &scenario, const Schedule &schedule)
{
    MonthlyCosts costs;
    if (schedule.status != ScheduleStatus::Complete || schedule.rows.empty())
        return costs;
    costs.mortgageInsurance = mortgageInsurance(scenario, schedule);
    const MortgageInsuranceFacts &mi = costs.mortgageInsurance;
    MonthlyCost escrow;
    escrow.taxes = twelfth(scenario.annualTaxes);
    escrow.insurance = twelfth(scenario.annualInsurance);
    escrow.hoa = scenario.monthlyHoa;
    costs.rows.reserve(schedule.rows.size());
    for (const ScheduleRow &row : schedule.rows) {
        const Cents premium = row.number <= mi.applied.lastPayment ? mi.premium : 0;
        costs.rows.push_back(costOf(row, escrow, premium));
        add(costs.totals, costs.rows.back());
    }
    costs.firstPayment = firstPayment(schedule.rows.front(), costs.rows.front());
    return costs;
}

} // namespace lw::core
