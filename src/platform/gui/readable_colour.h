#pragma once

#include <QColor>

namespace lw::platform {

/// How much text must stand out from its background to be read by everyone.
inline constexpr double TextContrast = 4.5;
/// The same for the lines and marks of a chart, which need not be read letter by letter.
inline constexpr double GraphicContrast = 3.0;

/// The contrast ratio of two colours by the accessibility guidelines' relative luminance: 1
/// for colours of the same lightness up to 21 for black on white.
double contrastRatio(const QColor &a, const QColor &b);

/// `wanted` where it stands out from `background` by `ratio`, else the least mix of it toward
/// black or white (whichever stands out more there) that does. A colour the form fixed for a
/// light desktop so stays itself there and legible on a dark or high-contrast one.
QColor readableOn(const QColor &wanted, const QColor &background, double ratio = TextContrast);

} // namespace lw::platform
