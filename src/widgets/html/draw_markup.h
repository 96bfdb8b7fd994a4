#pragma once

#include <QString>
#include <QStringView>

#include "platform/gui/text_surface.h"

namespace lw::html {

using platform::Colour;

/// How one call lays out, paints and hit-tests.
struct MarkupOptions
{
    /// The point to hit-test in surface coordinates; -1 or 0 when there is none.
    int x = -1;
    int y = -1;
    /// Lay out and hit-test without painting.
    bool hitTestOnly = false;
    /// Only measure: nothing is painted, no hit test, the rectangle's bottom does not stop.
    bool measureOnly = false;
    bool wordWrap = true;
    Colour urlColor = 0x00FF0000;
    Colour shadowColor = 0x00808080;
    int shadowOffset = 1;
    /// Pixels added to every line's height.
    int lineSpacing = 0;
    /// With the hover style on, only link number hoverLink is underlined, in the hover colours.
    int hoverLink = -1;
    bool hover = false;
    Colour hoverColor = platform::colourNone;
    Colour hoverFontColor = platform::colourNone;
    /// Makes blinking text visible.
    bool blinkPhase = false;
};

struct MarkupResult
{
    /// Target of the link under the point (meaningful when DrawMarkup returned true).
    QString anchor;
    /// Two pixels more than the widest line.
    int width = 0;
    /// Sum of the laid-out line heights, or the height of "gh" when no line was laid out.
    int height = 0;
    /// Number (from 1) and line rectangle of the link under the point; -1 when none was met.
    int linkUnderPoint = -1;
    platform::Rect linkRect;
};

/// Lays out `text`, a small HTML-like markup, in `rect` on `surface`, painting and
/// hit-testing as `options` say. Returns true when the point lies over a link. The surface's
/// font is the base font; font and fill colour are as on entry when it returns.
bool DrawMarkup(platform::TextSurface &surface, QStringView text, const platform::Rect &rect,
        const MarkupOptions &options, MarkupResult &result);

} // namespace lw::html
