#pragma once

#include <QString>

#include "platform/gui/text_surface.h"

namespace lw::html {

using platform::Colour;
using platform::colourNone;

/// What the renderer carries from run to run and line to line. The measuring and the placement
/// pass each keep their own copy, so that both passes of a line start from the same state.
struct RenderState
{
    platform::FontSpec font;
    int alignment = 0;
    int indent = 0;
    int tabOffset = 0;
    int listLevel = 0;
    int linkCount = 0;
    bool inAnchor = false;
    QString anchor;

    bool shadow = false;
    bool hidden = false;
    bool errorMark = false;
    bool superscript = false;
    bool subscript = false;

    // Fill colours: the one behind text now, and those that closing tags give back.
    Colour fill = colourNone;
    bool hasSavedFontFill = false;
    Colour savedFontFill = colourNone;
    bool paragraphFill = false;
    Colour paragraphSavedFill = colourNone;
    Colour paragraphColour = colourNone;
    Colour paragraphColourTo = colourNone;
    // Behind the hovered link, and what its end gives back.
    bool hoverFill = false;
    Colour hoverSavedFill = colourNone;
    bool highlight = false;
    Colour highlightSavedFill = colourNone;
    Colour highlightSavedText = colourNone;
};

} // namespace lw::html
