// The schedule window on the offscreen platform: following a completed pass (new schedule,
// table reset, chart, repaint) and opening it (building, first schedule, first paint).

#include <chrono>
#include <vector>

#include <QApplication>

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

lw::core::ValueRecord pass(double loan)
{
    lw::core::ValueRecord record;
    record.FActualLoan = loan;
    record.FInterestRate = 6;
    record.FTerm = 30;
    // 80,000 and 250,000 at 6 % over 30 years.
    record.FMonthlyPI = loan == 80000 ? 479.64042012220557 : 1498.8763128818923;
    return record;
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

void BM_ScheduleFollowsAPass(benchmark::State &state)
{
    Services services;
    lw::shell::ScheduleWindow window(services.all, nullptr);
    window.follow(pass(80000));
    showAndPaint(window);
    std::vector<double> times;
    double loan = 80000;
    for (auto _ : state) {
        loan = loan == 80000 ? 250000 : 80000; // every pass changes every row
        const auto start = std::chrono::steady_clock::now();
        window.follow(pass(loan));
        QApplication::processEvents(); // the repaint
        const double took = microseconds(start);
        state.SetIterationTime(took / 1e6);
        times.push_back(took);
    }
    if (window.schedule().rows.size() != 360)
        state.SkipWithError("no schedule");
    reportTimes(state, times);
}

BENCHMARK(BM_ScheduleFollowsAPass)->UseManualTime()->Iterations(300);

void BM_OpenScheduleWindow(benchmark::State &state)
{
    Services services;
    std::vector<double> times;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        lw::shell::ScheduleWindow window(services.all, nullptr);
        window.follow(pass(80000));
        showAndPaint(window);
        const double took = microseconds(start);
        state.SetIterationTime(took / 1e6);
        times.push_back(took);
    }
    reportTimes(state, times);
}

BENCHMARK(BM_OpenScheduleWindow)->UseManualTime()->Iterations(50);

} // namespace
