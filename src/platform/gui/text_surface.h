#pragma once

#include <span>

#include <QString>
#include <QStringView>

#include "platform/gui/colour.h"

namespace lw::platform {

/// Rectangle in device pixels; right and bottom are exclusive edges.
struct Rect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }

    int height() const { return bottom - top; }

    friend bool operator==(const Rect &, const Rect &) = default;
};

struct Point
{
    int x = 0;
    int y = 0;
    friend bool operator==(const Point &, const Point &) = default;
};

struct TextSize
{
    int width = 0;
    int height = 0;
    friend bool operator==(const TextSize &, const TextSize &) = default;
};

/// A font as the markup sees it; point sizes are whole points at 96 pixels per inch.
struct FontSpec
{
    QString name;
    int pointSize = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    Colour colour = colourBlack;
    friend bool operator==(const FontSpec &, const FontSpec &) = default;
};

/// Options of single-line formatted text drawing.
enum TextFormatFlag : unsigned {
    TextSingleLine = 0x01,
    TextBottom = 0x02,
    TextExpandTabs = 0x04,
    /// "&" is drawn as written; without it "&" underlines the next character and "&&" is one "&".
    TextNoPrefix = 0x08,
    TextEndEllipsis = 0x10,
    /// Measure instead of drawing.
    TextCalcRect = 0x20,
    /// Heights include the font's external leading.
    TextExternalLeading = 0x40,
};

using TextFormat = unsigned;

/// The drawing surface the markup renderer works on: a current font, a fill colour behind
/// text, formatted single-line text, text metrics, lines, polygons and fills.
/// Text is 8-bit code-page-1252 text held one character per QChar.
class TextSurface
{
public:
    virtual ~TextSurface() = default;

    virtual FontSpec font() const = 0;
    virtual void setFont(const FontSpec &font) = 0;

    /// Background behind drawn text; colourNone draws text transparently.
    virtual Colour fillColour() const = 0;
    virtual void setFillColour(Colour colour) = 0;

    /// Size of the text as drawn with `format` (which should contain TextCalcRect).
    virtual TextSize measureText(QStringView text, TextFormat format) = 0;

    /// Draws one line of text inside `box` with `format`, in the current font and over the
    /// current fill colour; nothing outside `box` is touched.
    virtual void drawText(QStringView text, const Rect &box, TextFormat format) = 0;

    /// Plain extent of the text: no prefix or tab handling, height without external leading.
    virtual TextSize textExtent(QStringView text) = 0;

    virtual void drawPolyline(std::span<const Point> points, Colour pen, int penWidth) = 0;
    virtual void drawPolygon(std::span<const Point> points, Colour pen, Colour brush) = 0;
    virtual void fillRect(const Rect &rect, Colour colour) = 0;

    /// The explicit 0x00BBGGRR value of a colour; system colours resolve to the current theme.
    virtual Colour resolveColour(Colour colour) const = 0;
};

} // namespace lw::platform
