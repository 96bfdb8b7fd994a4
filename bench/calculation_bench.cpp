// One full calculation pass without a window: eight field reads and writes through the
// picture masks, the payment and the three summary sentences.
#include "core/calculation_pass.h"
#include "support/calculator_page.h"
#include "widgets/numeric/ovcintl.h"

#include <benchmark/benchmark.h>

namespace {

void BM_CalculationPass(benchmark::State &state)
{
    const lw::platform::LocaleInfo locale;
    const lw::numeric::TOvcIntlSup intl(locale);
    lw::test::CalculatorPage page(intl);
    const lw::core::CalculatorControls controls = page.controls();
    lw::core::writeFactoryInputs(controls);
    lw::core::ValueRecord record;
    for (auto _ : state) {
        lw::core::Calculate(record, controls, locale);
        benchmark::DoNotOptimize(record.FMonthlyPITI);
    }
}

BENCHMARK(BM_CalculationPass)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace
