#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPalette>

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

    Shaped shape(QStringView text, TextFormat format) const;
    int advanceTo(const Shaped &shaped, qsizetype index) const;
    QColor qColour(Colour colour) const;

    QPainter *m_painter;
    QPalette m_palette;
    FontSpec m_spec;
    QFont m_font;
    QFontMetrics m_metrics;
    Colour m_fill = colourNone;
};

} // namespace lw::platform
