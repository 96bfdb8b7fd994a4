#pragma once

#include <vector>

#include <QFont>
#include <QFontMetrics>
#include <QPalette>
#include <QPoint>

#include "platform/gui/text_surface.h"

class QPainter;

namespace lw::platform {

/// The text surface over QPainter and QFontMetrics. Without a painter it only measures.
/// Point sizes become whole pixel sizes at 96 dpi, as the forms' fonts are given.
class PainterTextSurface final : public TextSurface
{
public:
    PainterTextSurface(QPainter *painter, const FontSpec &font, const QPalette &palette = {});

    FontSpec font() const override { return m_spec; }

    void setFont(const FontSpec &font) override;

    Colour fillColour() const override { return m_fill; }

    void setFillColour(Colour colour) override { m_fill = colour; }

    TextSize measureText(QStringView text, TextFormat format) override;
    void drawText(QStringView text, const Rect &box, TextFormat format) override;
    TextSize textExtent(QStringView text) override;

    void drawPolyline(std::span<const Point> points, Colour pen, int penWidth) override;
    void drawPolygon(std::span<const Point> points, Colour pen, Colour brush) override;
    void fillRect(const Rect &rect, Colour colour) override;
    Colour resolveColour(Colour colour) const override;

    /// The QFont a font description maps to.
    static QFont qFontFor(const FontSpec &font);

private:
    struct Shaped
    {
        QString text;
        QList<qsizetype> underlined;
        bool expandTabs = false;
    };

    /// A stretch between tabs (the whole text when tabs are not expanded) and its x offset.
    struct Piece
    {
        qsizetype start = 0;
        qsizetype end = 0;
        int x = 0;
    };

    struct Placed
    {
        std::vector<Piece> pieces;
        int width = 0;
    };

    Shaped shape(QStringView text, TextFormat format) const;
    Placed place(const Shaped &shaped) const;
    void drawUnderlines(const Shaped &shaped, const Placed &placed, QPoint origin);
    QColor qColour(Colour colour) const;

    QPainter *m_painter;
    QPalette m_palette;
    FontSpec m_spec;
    QFont m_font;
    QFontMetrics m_metrics;
    Colour m_fill = colourNone;
};

} // namespace lw::platform
