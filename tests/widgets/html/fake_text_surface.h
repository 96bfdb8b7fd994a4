#pragma once

#include <vector>

#include <QList>

#include "platform/gui/text_surface.h"

namespace lw::test {

using platform::Colour;
using platform::FontSpec;
using platform::Point;
using platform::Rect;
using platform::TextFormat;
using platform::TextSize;

/// A text surface with fixed metrics that records what is drawn where, so layouts can be
/// checked to the pixel. Every character advances by advance(font); a line of text is
/// height(font) high, plus leading(font) when external leading is asked for.
class FakeTextSurface final : public platform::TextSurface
{
public:
    struct DrawnText
    {
        QString text; // as shown: after the prefix rule and any ellipsis
        QList<qsizetype> underlined;
        Rect box;
        TextFormat format = 0;
        FontSpec font;
        Colour fill = platform::colourNone;

        /// Left edge of the text: the box's left.
        int x() const { return box.left; }
    };

    struct DrawnLine
    {
        std::vector<Point> points;
        Colour pen = 0;
    };

    struct Fill
    {
        Rect rect;
        Colour colour = 0;
    };

    explicit FakeTextSurface(FontSpec font = defaultFont())
        : m_font(std::move(font))
    { }

    static FontSpec defaultFont();
    static int advance(const FontSpec &font);
    static int height(const FontSpec &font);
    static int leading(const FontSpec &font);

    FontSpec font() const override { return m_font; }

    void setFont(const FontSpec &font) override { m_font = font; }

    Colour fillColour() const override { return m_fill; }

    void setFillColour(Colour colour) override { m_fill = colour; }

    TextSize measureText(QStringView text, TextFormat format) override;
    void drawText(QStringView text, const Rect &box, TextFormat format) override;
    TextSize textExtent(QStringView text) override;
    void drawPolyline(std::span<const Point> points, Colour pen, int penWidth) override;
    void drawPolygon(std::span<const Point> points, Colour pen, Colour brush) override;
    void fillRect(const Rect &rect, Colour colour) override;
    Colour resolveColour(Colour colour) const override;

    std::vector<DrawnText> texts;
    std::vector<DrawnLine> lines;
    std::vector<DrawnLine> polygons;
    std::vector<Fill> fills;

    /// Characters handed to measureText and textExtent: the renderer's work, as a count.
    qint64 measuredCharacters = 0;

    void clear();

private:
    int shownWidth(QStringView shown, TextFormat format) const;

    FontSpec m_font;
    Colour m_fill = platform::colourNone;
};

} // namespace lw::test
