// A 30-year schedule with a monthly extra and one lump sum: the months with extras and, for
// the savings, the months without them. Then the same loan with every cost and plan: the
// schedule, the one without extras that mortgage insurance ends by, and the monthly costs.
#include "core/monthly_costs.h"
#include "core/schedule.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ScheduleWithExtras(benchmark::State &state)
{
    lw::core::ScheduleInputs inputs;
    inputs.loan = 80000;
    inputs.annualRate = 6;
    inputs.payments = 360;
    inputs.monthlyPI = 479.64042012220557;
    inputs.firstPayment = QDate(2027, 1, 1);
    inputs.extras.monthly = 2500; // 25.00 from the 13th payment on
    inputs.extras.monthlyFrom = 13;
    inputs.extras.oneTime = { { 60, 500000 } };
    for (auto _ : state) {
        const lw::core::Schedule schedule = lw::core::computeSchedule(inputs);
        benchmark::DoNotOptimize(schedule.totals.interest);
    }
}

BENCHMARK(BM_ScheduleWithExtras)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(10)
        ->ReportAggregatesOnly(true);

void BM_ScheduleWithEveryCostAndPlan(benchmark::State &state)
{
    lw::core::LoanScenario scenario;
    scenario.price = 30000000;
    scenario.downPayment = 1500000; // a 95 % loan: mortgage insurance is charged
    scenario.rate = 65000;
    scenario.payments = 360;
    scenario.annualTaxes = 360000;
    scenario.annualInsurance = 120000;
    scenario.firstPayment = QDate(2027, 1, 1);
    scenario.extras.monthly = 10000;
    scenario.extras.oneTime = { { 60, 500000 } };
    scenario.extras.yearly = { 250000, 3, 2028 };
    scenario.extras.biweekly = true;
    scenario.mortgageInsuranceRate = 5500;
    scenario.monthlyHoa = 5000;
    for (auto _ : state) {
        const lw::core::Schedule schedule = lw::core::scenarioSchedule(scenario);
        const lw::core::MonthlyCosts costs = lw::core::monthlyCosts(scenario, schedule);
        benchmark::DoNotOptimize(costs.totals.paid);
    }
}

BENCHMARK(BM_ScheduleWithEveryCostAndPlan)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(10)
        ->ReportAggregatesOnly(true);

} // namespace
