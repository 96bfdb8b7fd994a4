// One click on a URL label with the real desktop shell, against an xdg-open that takes 2 s to
// end: the time until the click returns to the event loop, which must not wait for the opener.
#include <algorithm>
#include <chrono>
#include <vector>

#include <QApplication>

#include "platform/xdg_desktop_shell.h"
#include "support/fake_xdg_open.h"
#include "support/recording_services.h"
#include "timing.h"
#include "widgets/url/ovcurl.h"

#include <benchmark/benchmark.h>

namespace {

void BM_LinkClickWithASlowOpener(benchmark::State &state)
{
    const lw::test::FakeXdgOpen opener(lw::test::FakeXdgOpen::Kind::Sleeping);
    lw::platform::XdgDesktopShell shell;
    lw::test::RecordingFeedback feedback;
    lw::url::TOvcURL label(shell, feedback);
    label.setURL(QStringLiteral("https://www.brannock.example/?ref=LWC451"));
    std::vector<double> times;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        label.Click();
        QApplication::processEvents();
        const double took = lw::bench::microseconds(start);
        state.SetIterationTime(took / 1e6);
        times.push_back(took);
    }
    if (feedback.beeps != 0)
        state.SkipWithError("the opener could not be started");
    state.counters["median_us"] = lw::bench::percentile(times, 0.5);
    state.counters["max_us"] = *std::max_element(times.begin(), times.end());
}

// Few iterations: each leaves a sleeping opener behind for 2 s.
BENCHMARK(BM_LinkClickWithASlowOpener)->UseManualTime()->Iterations(40);

} // namespace
