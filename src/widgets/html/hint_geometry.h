#pragma once

#include "platform/gui/text_surface.h"

namespace lw::html {

/// Where a tool-tip window goes: at `position`, as wide as the text plus 16 from `from`'s left
/// and as high as the text plus 4 from its top, moved 2 pixels inside the monitor's right or
/// bottom edge when it would pass it.
platform::Rect hintWindowRect(platform::Point position, const platform::Rect &from,
        platform::TextSize text, const platform::Rect &monitor);

/// The rectangle a tool-tip's text is drawn in: 4 pixels in from the left (after the margin)
/// and the right, the text's height centred vertically.
platform::Rect hintTextRect(const platform::Rect &client, int textHeight, int xMargin, int yMargin);

} // namespace lw::html
