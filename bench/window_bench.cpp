// One field exit in the whole calculator window on the offscreen platform: the focus moves
// from the price to the down payment, the price is validated, a calculation pass writes the
// results and sentences, and the window repaints what changed.
#include <chrono>
#include <vector>

#include <QAccessible>
#include <QApplication>

#include "shell/Main.h"
#include "support/recording_file_store.h"
#include "support/recording_services.h"
#include "support/shell_doubles.h"
#include "timing.h"

#include <benchmark/benchmark.h>

namespace {

struct Window
{
    Window()
    {
        files.files[QStringLiteral("/home/u/.config/Ferrowind/Loanwright/lwcalc.ini")] =
                "[GeneralValues]\nRun=1\n"; // no first-run help
        folders.commonDataFolder = QStringLiteral("/home/u/.config");
        folders.programFolder = QStringLiteral("/nonexistent/");
        window.show();
        window.activateWindow();
        while (!window.isActiveWindow())
            QApplication::processEvents();
        QApplication::processEvents();
    }

    lw::test::RecordingFeedback feedback;
    lw::test::FakeClipboard clipboard;
    lw::test::RecordingDesktopShell desktop;
    lw::platform::AbsentWindowChrome chrome;
    lw::test::RecordingApplicationHooks application;
    lw::test::RecordingFileStore files;
    lw::test::CLocaleSource locale;
    lw::test::FixedFolders folders;
    lw::shell::TfrmMain window{ lw::shell::ShellServices{
            feedback, clipboard, desktop, chrome, application, files, locale, folders } };
};

using lw::bench::microseconds;
using lw::bench::percentile;

void BM_FieldExitInTheWindow(benchmark::State &state)
{
    Window w;
    lw::numeric::TOvcNumericField &price = *w.window.edtSalesPrice;
    lw::numeric::TOvcNumericField &down = *w.window.edtDownPayment;
    int passes = 0;
    QObject::connect(&w.window, &lw::shell::TfrmMain::calculationStarted, [&passes] {
        ++passes;
    });
    std::vector<double> times;
    double value = 100000;
    for (auto _ : state) {
        price.setFocus(Qt::OtherFocusReason);
        value = value == 100000 ? 250000 : 100000; // every pass changes results and sentences
        price.setFloatValue(value);
        QApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        down.setFocus(Qt::TabFocusReason);
        QApplication::processEvents(); // the repaint
        const double took = microseconds(start);
        state.SetIterationTime(took / 1e6);
        times.push_back(took);
    }
    if (passes == 0 || w.window.edtMonthlyPI->FloatValue() == 0)
        state.SkipWithError("no calculation pass ran");
    state.counters["median_us"] = percentile(times, 0.5);
    state.counters["p90_us"] = percentile(times, 0.9);
}

BENCHMARK(BM_FieldExitInTheWindow)->UseManualTime()->Iterations(2000);

} // namespace
