#include "platform/gui/colour.h"

namespace lw::platform {

Colour blendColour(Colour from, Colour to, int step, int steps)
{
    if (steps <= 0)
        return from;
    const auto mix = [&](int a, int b) {
        return a + (b - a) * step / steps;
    };
    return rgbColour(mix(redOf(from), redOf(to)), mix(greenOf(from), greenOf(to)),
            mix(blueOf(from), blueOf(to)));
}

} // namespace lw::platform
