#pragma once

#include "platform/gui/colour.h"

namespace lw::numeric {

/// A background and text colour pair.
struct TOvcColors
{
    lw::platform::Colour BackColor;
    lw::platform::Colour TextColor;
};

/// The colours a field paints with when disabled, in the error state and for selected text.
struct TOvcEfColors
{
    TOvcColors Disabled{ lw::platform::systemColour(lw::platform::SystemColour::Window),
        lw::platform::systemColour(lw::platform::SystemColour::GrayText) };
    TOvcColors Error{ lw::platform::rgbColour(255, 0, 0), lw::platform::colourBlack };
    TOvcColors Highlight{ lw::platform::systemColour(lw::platform::SystemColour::Highlight),
        lw::platform::systemColour(lw::platform::SystemColour::HighlightText) };
};

} // namespace lw::numeric
