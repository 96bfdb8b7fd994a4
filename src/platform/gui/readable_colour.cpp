#include "platform/gui/readable_colour.h"

#include <algorithm>
#include <cmath>

namespace lw::platform {

namespace {

double linear(int component)
{
    const double c = component / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &c)
{
    const QColor rgb = c.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

QColor mixed(const QColor &from, const QColor &to, double share)
{
    const auto mix = [share](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * share));
    };
    return { mix(from.red(), to.red()), mix(from.green(), to.green()),
        mix(from.blue(), to.blue()) };
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor &wanted, const QColor &background, double ratio)
{
    const QColor colour = wanted.toRgb();
    if (contrastRatio(colour, background) >= ratio)
        return colour;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    const QColor extreme =
            contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
    // Steps fine enough that the hue the form chose still shows where it can.
    constexpr int Steps = 32;
    for (int step = 1; step < Steps; ++step) {
        const QColor candidate = mixed(colour, extreme, double(step) / Steps);
        if (contrastRatio(candidate, background) >= ratio)
            return candidate;
    }
    return extreme;
}

} // namespace lw::platform
