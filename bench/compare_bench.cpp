// Six offers compared after a pass: each one's schedule, monthly costs, APR, period figures
// and break-even, then the rows the page shows. The calculator's loan is a 95 % one with
// mortgage insurance; the offers vary rate, points, fees and term up to 40 years.
#include "core/comparison_rows.h"
#include "core/offer_comparison.h"

#include <benchmark/benchmark.h>

namespace {

std::vector<lw::core::LoanScenario> sixOffers()
{
    lw::core::LoanScenario base;
    base.price = 30000000;
    base.downPayment = 1500000;
    base.rate = 68750;
    base.annualTaxes = 360000;
    base.annualInsurance = 120000;
    base.firstPayment = QDate(2027, 1, 1);
    base.mortgageInsuranceRate = 5500;
    base.monthlyHoa = 5000;
    std::vector<lw::core::LoanScenario> offers{ base };

    const struct
    {
        std::int64_t rate, points;
        lw::core::Cents fees;
        int years;
    } terms[] = { { 65000, 10000, 120000, 30 }, { 62500, 20000, 150000, 30 },
        { 60000, 0, 90000, 15 }, { 70000, 0, 0, 40 }, { 66250, 5000, 100000, 20 } };

    for (const auto &t : terms) {
        lw::core::LoanScenario s = base;
        s.rate = t.rate;
        s.points = t.points;
        s.lenderFees = t.fees;
        s.payments = t.years * 12;
        offers.push_back(s);
    }
    return offers;
}

void BM_CompareSixOffers(benchmark::State &state)
{
    const std::vector<lw::core::LoanScenario> offers = sixOffers();
    for (auto _ : state) {
        const auto rows = lw::core::comparisonRows(lw::core::compareOffers(offers, 5));
        benchmark::DoNotOptimize(rows.data());
    }
}

BENCHMARK(BM_CompareSixOffers)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(10)
        ->ReportAggregatesOnly(true);

} // namespace
