// The whole calculator window on the offscreen platform. One field exit: the focus moves from
// the price to the down payment, the price is validated, a calculation pass writes the results
// and sentences, and the window repaints what changed. On page 2: pointer moves over the
// formatted texts, and painting the page. Opening the About and Disclaimer dialogs, from the
// click to the dialog's first paint.

#include <chrono>
#include <vector>

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

#include "shell/Main.h"
#include "support/recorded_window_services.h"
#include "support/recording_file_store.h"
#include "timing.h"

#include <benchmark/benchmark.h>

namespace {

struct Window
{
    Window()
    {
        files.files[QStringLiteral("/home/u/.config/Ferrowind/Loanwright/lwcalc.ini")] =
                "[GeneralValues]\nRun=1\n"; // no first-run help
        recorded.folders.commonDataFolder = QStringLiteral("/home/u/.config");
        recorded.folders.programFolder = QStringLiteral("/nonexistent/");
        window.show();
        window.activateWindow();
        while (!window.isActiveWindow())
            QApplication::processEvents();
        QApplication::processEvents();
    }

    lw::test::RecordedWindowServices recorded;
    lw::test::RecordingFileStore files;
    lw::shell::TfrmMain window{ recorded.services(files) };
};

using lw::bench::microseconds;
using lw::bench::percentile;

void reportTimes(benchmark::State &state, const std::vector<double> &times)
{
    state.counters["median_us"] = percentile(times, 0.5);
    state.counters["p90_us"] = percentile(times, 0.9);
}

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
    reportTimes(state, times);
}

BENCHMARK(BM_FieldExitInTheWindow)->UseManualTime()->Iterations(2000);

/// Page 2 shown, the pointer's moves alternating between a link of each label and a place away
/// from the links, so every move changes the cursor.
struct Page2
{
    Page2() { w.window.nbkMain->setPageIndex(1); }

    static void move(QWidget *label, QPoint at)
    {
        QMouseEvent event(QEvent::MouseMove, at, label->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                Qt::NoModifier);
        QApplication::sendEvent(label, &event);
    }

    QList<QWidget *> labels() const
    {
        return { w.window.HTMLabel3, w.window.HTMLabel2, w.window.HTMLabel1 };
    }

    Window w;
};

// One iteration moves over all three labels: three hit tests and three cursor changes.
void BM_Page2PointerMove(benchmark::State &state)
{
    Page2 page;
    std::vector<double> times;
    bool onLink = false;
    for (auto _ : state) {
        onLink = !onLink;
        const auto start = std::chrono::steady_clock::now();
        for (QWidget *label : page.labels())
            Page2::move(label, onLink ? QPoint(5, 7) : QPoint(label->width() - 2, 2));
        const double took = microseconds(start);
        state.SetIterationTime(took / 1e6);
        times.push_back(took);
    }
    if (page.w.window.HTMLabel2->cursor().shape() != Qt::ArrowCursor)
        state.SkipWithError("the last move away from the links left the hand");
    reportTimes(state, times);
}

BENCHMARK(BM_Page2PointerMove)->UseManualTime()->Iterations(2000);

void BM_Page2Paint(benchmark::State &state)
{
    Page2 page;
    QWidget &panel = *page.w.window.Panel3;
    std::vector<double> times;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        panel.repaint();
        const double took = microseconds(start);
        state.SetIterationTime(took / 1e6);
        times.push_back(took);
    }
    reportTimes(state, times);
}

BENCHMARK(BM_Page2Paint)->UseManualTime()->Iterations(500);

/// Notes when a dialog first paints and closes it from a zero timer, so its modal wait ends.
class FirstDialogPaint final : public QObject
{
public:
    FirstDialogPaint() { qApp->installEventFilter(this); }

    ~FirstDialogPaint() override { qApp->removeEventFilter(this); }
    Q_DISABLE_COPY_MOVE(FirstDialogPaint)

    std::chrono::steady_clock::time_point paintedAt;
    int dialogs = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<QDialog *>(watched);
        if (event->type() == QEvent::Paint && dialog && dialog != m_last) {
            paintedAt = std::chrono::steady_clock::now();
            m_last = dialog;
            ++dialogs;
            QTimer::singleShot(0, dialog, &QDialog::close);
        }
        return false;
    }

private:
    QPointer<QDialog> m_last; // a new dialog may take a released one's address
};

template <typename Open>
void openDialog(benchmark::State &state, Open open)
{
    Window w;
    FirstDialogPaint paint;
    std::vector<double> times;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        open(w.window);
        const double took =
                std::chrono::duration<double, std::micro>(paint.paintedAt - start).count();
        state.SetIterationTime(took / 1e6);
        times.push_back(took);
        // The released dialog goes, as it would back in the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    if (paint.dialogs != static_cast<int>(state.iterations()))
        state.SkipWithError("a dialog did not paint");
    reportTimes(state, times);
}

void BM_OpenAboutToFirstPaint(benchmark::State &state)
{
    openDialog(state, [](lw::shell::TfrmMain &window) {
        window.btnAbout->click();
    });
}

BENCHMARK(BM_OpenAboutToFirstPaint)->UseManualTime()->Iterations(200);

void BM_OpenDisclaimerToFirstPaint(benchmark::State &state)
{
    openDialog(state, [](lw::shell::TfrmMain &window) {
        window.mnuHelpDisclaimer->trigger();
    });
}

BENCHMARK(BM_OpenDisclaimerToFirstPaint)->UseManualTime()->Iterations(200);

} // namespace
