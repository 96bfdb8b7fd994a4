#pragma once

#include <QRect>

namespace lw::numeric {

/// Pixels the 3-D edge takes on each side of the field.
inline constexpr int EdgeWidth = 2;

/// The height an auto-sized field takes: the font's character height plus eight border
/// heights with a 3-D edge, six without one.
int autoSizeHeight(int charHeight, bool ctl3D, int borderHeight = 1);

/// Where the painted text stands inside the client area: its right end at the client width
/// less the text margin less one pixel, vertically centred.
QRect fieldTextRect(const QRect &client, int textWidth, int lineHeight, int textMargin);

} // namespace lw::numeric
