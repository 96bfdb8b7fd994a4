#pragma once

#include <QColor>
#include <QPalette>

#include "platform/gui/colour.h"

namespace lw::platform {

/// The colour to paint with: explicit colours as they are, system colours from the palette's
/// matching role (grey text from the disabled text colour).
QColor paletteColour(Colour colour, const QPalette &palette);

} // namespace lw::platform
