// A 30-year schedule with a monthly extra and one lump sum: the months with extras and, for
// the savings, the months without them.
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

} // namespace
