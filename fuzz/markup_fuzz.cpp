// The markup renderer on the fixed-metric surface: layout, painting and the hit test of any
// text. The surface's font and fill must come back as they were, sizes must be sane, and
// measuring alone must find no link.
#include <cstdlib>

#include <QString>

#include "fuzz_input.h"
#include "widgets/html/draw_markup.h"
#include "widgets/html/fake_text_surface.h"

namespace {

using lw::html::MarkupOptions;
using lw::platform::Rect;

MarkupOptions options(lw::fuzz::FuzzInput &input)
{
    MarkupOptions options;
    const std::uint8_t flags = input.byte();
    options.wordWrap = (flags & 1) == 0;
    options.measureOnly = (flags & 2) != 0;
    options.hitTestOnly = (flags & 4) != 0;
    options.hover = (flags & 8) != 0;
    options.blinkPhase = (flags & 16) != 0;
    options.x = int(input.pick(420)) - 20;
    options.y = int(input.pick(220)) - 20;
    options.lineSpacing = int(input.pick(10)) - 3;
    options.hoverLink = int(input.pick(4)) - 1;
    return options;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    lw::fuzz::FuzzInput input(data, size);
    const MarkupOptions drawing = options(input);
    const int left = int(input.pick(50)) - 10;
    const Rect rect{ left, int(input.pick(50)) - 10, left + int(input.byte()) * 2 - 20,
        int(input.byte()) * 2 - 20 };
    const QString text = QString::fromUtf8(input.rest());

    lw::test::FakeTextSurface surface;
    const auto font = surface.font();
    surface.setFillColour(0x00010203);
    lw::html::MarkupResult result;
    const bool overLink = lw::html::DrawMarkup(surface, text, rect, drawing, result);
    if (surface.font() != font || surface.fillColour() != 0x00010203u)
        std::abort(); // the surface is handed back as it came
    // A negative line spacing larger than a small font's height may sum to a negative height.
    if (result.width < 0 || (drawing.lineSpacing >= 0 && result.height < 0))
        std::abort();
    if (drawing.measureOnly && (overLink || result.linkUnderPoint != -1))
        std::abort(); // measuring does no hit test
    return 0;
}
