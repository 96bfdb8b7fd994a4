// One affordability solve: the bisection over the price in cents, each step a payment at
// that price; and the table of nine solves around it that the page shows.
#include "core/affordability.h"

#include <benchmark/benchmark.h>

namespace {

lw::core::AffordInputs buyer()
{
    lw::core::AffordInputs in;
    in.monthlyIncome = 1000000;
    in.monthlyDebts = 60000;
    in.downPayment = 4000000;
    in.taxRate = 12000; // 1.2 % of the price a year
    in.terms.rate = 65000;
    in.terms.payments = 360;
    in.terms.annualInsurance = 150000;
    in.terms.mortgageInsuranceRate = 5500;
    in.terms.monthlyHoa = 5000;
    return in;
}

void BM_AffordabilitySolve(benchmark::State &state)
{
    const lw::core::AffordInputs in = buyer();
    for (auto _ : state)
        benchmark::DoNotOptimize(lw::core::solveAffordability(in).price);
}

BENCHMARK(BM_AffordabilitySolve)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(10)
        ->ReportAggregatesOnly(true);

void BM_AffordabilitySensitivity(benchmark::State &state)
{
    const lw::core::AffordInputs in = buyer();
    for (auto _ : state)
        benchmark::DoNotOptimize(lw::core::affordabilitySensitivity(in).size());
}

BENCHMARK(BM_AffordabilitySensitivity)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(10)
        ->ReportAggregatesOnly(true);

} // namespace
