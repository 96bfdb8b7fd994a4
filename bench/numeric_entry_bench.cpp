// One keystroke and one field exit of a money field, without painting: the key's translation
// through the command tables, the buffer change and display rebuild; then validation and the
// re-laying of the value over the mask.
#include <chrono>

#include "platform/virtual_key.h"
#include "support/calculator_field.h"
#include "widgets/numeric/entry_host_recorder.h"
#include "widgets/numeric/numeric_entry_field.h"
#include "widgets/numeric/ovcbase.h"
#include "widgets/numeric/ovcintl.h"

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
namespace VK = lw::platform::VirtualKey;

namespace {

using lw::numeric::FocusCause;
using lw::numeric::NumericEntryField;

// A money field focused with an entry of a few digits, as while the user types.
struct Setup
{
    Setup()
    {
        lw::numeric::test::ensureApplication();
        lw::test::configureCalculatorField(field, u"###,###,###.##"_s);
        field.setFloatValue(1234.5);
        field.focusGained(FocusCause::LeftClick);
    }

    void key(quint8 virtualKey, QChar c)
    {
        if (!field.keyDown(virtualKey, 0))
            field.characterTyped(c);
    }

    lw::numeric::TOvcIntlSup intl;
    lw::numeric::test::EntryHostRecorder host;
    lw::numeric::TOvcController controller;
    NumericEntryField field{ intl, host, &controller };
};

double seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_Keystroke(benchmark::State &state)
{
    Setup s;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        s.key(VK::digit(7), u'7');
        state.SetIterationTime(seconds(start));
        s.key(VK::Back, u'\b'); // back to the same entry, untimed
    }
    benchmark::DoNotOptimize(s.field.DisplayText());
}

void BM_FieldExit(benchmark::State &state)
{
    Setup s;
    for (auto _ : state) {
        s.key(VK::digit(7), u'7');
        const auto start = std::chrono::steady_clock::now();
        s.field.focusLost(true, nullptr);
        state.SetIterationTime(seconds(start));
        lw::numeric::test::deliverPosted(); // the post-edit notification
        s.field.focusGained(FocusCause::LeftClick);
        s.key(VK::Back, u'\b');
    }
    benchmark::DoNotOptimize(s.field.DisplayText());
}

BENCHMARK(BM_Keystroke)->UseManualTime()->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_FieldExit)->UseManualTime()->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
