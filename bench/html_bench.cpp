#include <QImage>
#include <QPainter>

#include "platform/gui/painter_text_surface.h"
#include "widgets/html/draw_markup.h"
#include "widgets/html/fake_text_surface.h"
#include "widgets/html/program_texts.h"

#include <benchmark/benchmark.h>

using lw::html::DrawMarkup;
using lw::html::MarkupOptions;
using lw::html::MarkupResult;
using lw::platform::PainterTextSurface;
using lw::platform::Rect;
using lw::test::FakeTextSurface;

namespace {

// What every mouse move over the second page costs: one hit test of each label's text.
void hitTestSecondPage(benchmark::State &state)
{
    struct Label
    {
        QString markup;
        Rect rect;
    };

    const Label labels[] = {
        { lw::test::productHeadingMarkup(), { 10, 12, 217, 32 } },
        { lw::test::productBodyMarkup(), { 10, 40, 378, 217 } },
        { lw::test::productContentsMarkup(), { 10, 219, 639, 295 } },
    };
    FakeTextSurface surface;
    MarkupOptions options;
    options.hitTestOnly = true;
    MarkupResult result;
    int x = 0;
    for (auto _ : state) {
        x = (x + 37) % 640;
        for (const Label &label : labels) {
            options.x = x;
            options.y = label.rect.top + 12;
            benchmark::DoNotOptimize(
                    DrawMarkup(surface, label.markup, label.rect, options, result));
        }
    }
}

BENCHMARK(hitTestSecondPage)->Repetitions(9)->ReportAggregatesOnly(true);

// Layout and hit test of a text of the given size; the time per byte must stay flat.
void layOutLongText(benchmark::State &state)
{
    const qsizetype bytes = state.range(0);
    QString markup;
    while (markup.size() < bytes)
        markup += lw::test::productBodyMarkup();
    markup.truncate(bytes);
    FakeTextSurface surface;
    MarkupOptions options;
    options.hitTestOnly = true;
    options.x = 100;
    options.y = 1 << 29;
    MarkupResult result;
    for (auto _ : state)
        benchmark::DoNotOptimize(
                DrawMarkup(surface, markup, { 0, 0, 368, 1 << 30 }, options, result));
    state.SetBytesProcessed(state.iterations() * bytes);
}

BENCHMARK(layOutLongText)
        ->Arg(1 << 10)
        ->Arg(10 << 10)
        ->Arg(100 << 10)
        ->Arg(1 << 20)
        ->Unit(benchmark::kMicrosecond);

// One long run painted on the real surface: every tab and every underlined character of
// the run must not cost a measurement from the start of the run.
void paintLongRun(benchmark::State &state, const QString &unit, const QString &tail = {})
{
    const QString markup = unit.repeated(state.range(0)) + tail;
    QImage image(640, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    lw::platform::FontSpec font;
    font.name = QStringLiteral("Liberation Sans");
    font.pointSize = 9;
    PainterTextSurface surface(&painter, font);
    MarkupResult result;
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawMarkup(surface, markup, { 0, 0, 640, 100 }, {}, result));
}

BENCHMARK_CAPTURE(paintLongRun, tabs, QStringLiteral("\tx"))
        ->Arg(40)
        ->Arg(400)
        ->Arg(4000)
        ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(paintLongRun, underlines, QStringLiteral("&a"))
        ->Arg(40)
        ->Arg(400)
        ->Arg(4000)
        ->Unit(benchmark::kMillisecond);
// One character outside the code page, which the font engine may shape in an item of its own.
BENCHMARK_CAPTURE(paintLongRun, underlinesAndAQuote, QStringLiteral("&a"), QStringLiteral("\u2019"))
        ->Arg(40)
        ->Arg(400)
        ->Arg(4000)
        ->Arg(16000)
        ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(paintLongRun, plain, QStringLiteral("ab"))
        ->Arg(40)
        ->Arg(400)
        ->Arg(4000)
        ->Unit(benchmark::kMillisecond);

} // namespace
