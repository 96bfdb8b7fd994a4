// The schedule window on the offscreen platform: following a completed pass (new schedule,
// costs, table reset, chart, repaint), with and without every cost and plan, and opening it
// (building, first schedule, first paint).

#include <chrono>
#include <vector>

#include <QApplication>

#include "core/payment.h"
#include "shell/schedule/schedule_window.h"
#include "support/recording_document_dialogs.h"
#include "support/recording_file_store.h"
#include "support/recording_services.h"
#include "support/shell_doubles.h"
#include "timing.h"

#include <benchmark/benchmark.h>

namespace {

using lw::bench::microseconds;
using lw::bench::percentile;

struct Services
{
    lw::test::RecordingFileStore files;
    lw::test::RecordingDocumentDialogs dialogs;
    lw::test::RecordingFeedback feedback;
    lw::test::CLocaleSource locale;
    lw::shell::ScheduleServices all{ files, dialogs, feedback, locale };
};

// A 30-year loan at 6 % of the given share of the price.
lw::core::ValueRecord pass(double price, double share = 0.8)
{
    lw::core::ValueRecord record;
    record.FSalesPrice = price;
    record.FDownPayment = price * (1 - share);
    record.FActualLoan = price - record.FDownPayment;
    record.FInterestRate = 6;
    record.FTerm = 30;
    record.FAnnualTaxes = 3600;
    record.FAnnualInsurance = 1200;
    record.FMonthlyPI = static_cast<double>(lw::core::CalcPayment(record.FActualLoan, 6, 360, 6));
    return record;
}

// Mortgage insurance to its end on request, HOA dues and every kind of extra.
lw::core::ScheduleValues everyCostAndPlan()
{
    lw::core::ScheduleValues v;
    v.extras = { 10000, 13, { { 24, 500000 }, { 60, 250000 } } };
    v.extras.yearly = { 200000, 6, 0 };
    v.extras.biweekly = true;
    v.oneTimeText = QStringLiteral("24=5000; 60=2500");
    v.firstPayment = QDate(2027, 1, 1);
    v.mortgageInsuranceRate = 5500;
    v.monthlyHoa = 5000;
    return v;
}

void showAndPaint(QWidget &window)
{
    window.show();
    while (!window.isVisible())
        QApplication::processEvents();
    QApplication::processEvents();
}

void reportTimes(benchmark::State &state, const std::vector<double> &times)
{
    state.counters["median_us"] = percentile(times, 0.5);
    state.counters["p90_us"] = percentile(times, 0.9);
}

// Follows passes that alternate between two prices, so every pass changes every row.
void followPasses(benchmark::State &state, double share, const lw::core::ScheduleValues *choices)
{
    Services services;
    lw::shell::ScheduleWindow window(services.all, nullptr);
    if (choices)
        window.setValues(*choices);
    window.follow(pass(100000, share));
    showAndPaint(window);
    std::vector<double> times;
    double price = 100000;
    for (auto _ : state) {
        price = price == 100000 ? 312500 : 100000;
        const auto start = std::chrono::steady_clock::now();
        window.follow(pass(price, share));
        QApplication::processEvents(); // the repaint
        const double took = microseconds(start);
        state.SetIterationTime(took / 1e6);
        times.push_back(took);
    }
    if (window.schedule().rows.empty())
        state.SkipWithError("no schedule");
    if (choices && window.costs().mortgageInsurance.premium == 0)
        state.SkipWithError("no mortgage insurance");
    reportTimes(state, times);
}

void BM_ScheduleFollowsAPass(benchmark::State &state)
{
    followPasses(state, 0.8, nullptr);
}

BENCHMARK(BM_ScheduleFollowsAPass)->UseManualTime()->Iterations(300);

void BM_ScheduleFollowsAPassWithEveryCostAndPlan(benchmark::State &state)
{
    const lw::core::ScheduleValues choices = everyCostAndPlan();
    followPasses(state, 0.95, &choices);
}

BENCHMARK(BM_ScheduleFollowsAPassWithEveryCostAndPlan)->UseManualTime()->Iterations(300);

void BM_OpenScheduleWindow(benchmark::State &state)
{
    Services services;
    std::vector<double> times;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        lw::shell::ScheduleWindow window(services.all, nullptr);
        window.follow(pass(100000));
        showAndPaint(window);
        const double took = microseconds(start);
        state.SetIterationTime(took / 1e6);
        times.push_back(took);
    }
    reportTimes(state, times);
}

BENCHMARK(BM_OpenScheduleWindow)->UseManualTime()->Iterations(50);

} // namespace
