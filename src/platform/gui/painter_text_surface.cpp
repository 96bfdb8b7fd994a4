#include "platform/gui/painter_text_surface.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygon>

#include "platform/gui/cp1252.h"
#include "platform/gui/palette_colour.h"
#include "platform/gui/prefix_widths.h"
#include "platform/gui/text_prefix.h"

namespace lw::platform {

namespace {

// Keeps absurd markup sizes from asking the font engine for gigantic glyphs.
constexpr int maxPixelSize = 1000;

QRect toQRect(const Rect &r)
{
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

QPolygon toQPolygon(std::span<const Point> points)
{
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const Point &p : points)
        polygon.append(QPoint(p.x, p.y));
    return polygon;
}

} // namespace

PainterTextSurface::PainterTextSurface(
        QPainter *painter, const FontSpec &font, const QPalette &palette)
    : m_painter(painter)
    , m_palette(palette)
    , m_spec(font)
    , m_font(qFontFor(font))
    , m_metrics(m_font)
{ }

QFont PainterTextSurface::qFontFor(const FontSpec &font)
{
    QFont f(font.name);
    // Whole pixels, as the platform rounds point sizes at 96 dpi.
    const long long pixels = (static_cast<long long>(font.pointSize) * 96 + 36) / 72;
    f.setPixelSize(static_cast<int>(std::clamp<long long>(pixels, 1, maxPixelSize)));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    return f;
}

void PainterTextSurface::setFont(const FontSpec &font)
{
    if (font == m_spec)
        return;
    const bool sameFace = font.name == m_spec.name && font.pointSize == m_spec.pointSize
            && font.bold == m_spec.bold && font.italic == m_spec.italic
            && font.underline == m_spec.underline && font.strikeOut == m_spec.strikeOut;
    m_spec = font;
    if (sameFace)
        return;
    m_font = qFontFor(font);
    m_metrics = QFontMetrics(m_font);
}

PainterTextSurface::Shaped PainterTextSurface::shape(QStringView text, TextFormat format) const
{
    Shaped shaped;
    if (format & TextNoPrefix) {
        shaped.text = cp1252ToUnicode(text);
    } else {
        PrefixedText prefixed = applyPrefix(text);
        shaped.text = cp1252ToUnicode(prefixed.text);
        shaped.underlined = std::move(prefixed.underlined);
    }
    shaped.expandTabs = (format & TextExpandTabs) != 0;
    return shaped;
}

// Lays the pieces out in one pass; tab stops every eight average character widths.
PainterTextSurface::Placed PainterTextSurface::place(const Shaped &shaped) const
{
    Placed placed;
    const QStringView text(shaped.text);
    const int tabStop = std::max(1, 8 * m_metrics.averageCharWidth());
    qsizetype start = 0;
    for (;;) {
        const qsizetype tab = shaped.expandTabs ? text.indexOf(u'\t', start) : -1;
        const qsizetype end = tab < 0 ? text.size() : tab;
        placed.pieces.push_back({ start, end, placed.width });
        placed.width += m_metrics.horizontalAdvance(text.mid(start, end - start).toString());
        if (tab < 0)
            return placed;
        placed.width = (placed.width / tabStop + 1) * tabStop;
        start = tab + 1;
    }
}

TextSize PainterTextSurface::measureText(QStringView text, TextFormat format)
{
    const Shaped shaped = shape(text, format);
    const int leading = (format & TextExternalLeading) ? std::max(0, m_metrics.leading()) : 0;
    return { place(shaped).width, m_metrics.height() + leading };
}

void PainterTextSurface::drawText(QStringView text, const Rect &box, TextFormat format)
{
    if (!m_painter || box.right <= box.left || box.bottom <= box.top)
        return;
    Shaped shaped = shape(text, format);
    Placed placed = place(shaped);
    if ((format & TextEndEllipsis) && placed.width > box.width()) {
        shaped.text = m_metrics.elidedText(shaped.text, Qt::ElideRight, box.width());
        shaped.expandTabs = false;
        placed = place(shaped);
    }
    const int height = m_metrics.height();
    const int top = (format & TextBottom) ? box.bottom - height : box.top;
    m_painter->save();
    // Callers clip too: narrow their clip, never widen it.
    m_painter->setClipRect(toQRect(box), Qt::IntersectClip);
    if (m_fill != colourNone)
        m_painter->fillRect(QRect(box.left, top, placed.width, height), qColour(m_fill));
    if (m_spec.colour != colourNone) {
        m_painter->setFont(m_font);
        m_painter->setPen(qColour(m_spec.colour));
        const QPoint origin(box.left, top + m_metrics.ascent());
        for (const Piece &piece : placed.pieces)
            m_painter->drawText(origin + QPoint(piece.x, 0),
                    shaped.text.mid(piece.start, piece.end - piece.start));
        drawUnderlines(shaped, placed, origin);
    }
    m_painter->restore();
}

// Drawn by hand: the prefix underline is one character, not a font style.
void PainterTextSurface::drawUnderlines(const Shaped &shaped, const Placed &placed, QPoint origin)
{
    const QFontMetricsF exact(m_font);
    const QStringView text(shaped.text);
    auto piece = placed.pieces.begin();
    const auto piecePrefixes = [&] {
        return PrefixWidths(exact, text.mid(piece->start, piece->end - piece->start));
    };
    PrefixWidths prefix = piecePrefixes();
    for (qsizetype i : shaped.underlined) {
        if (i >= text.size())
            continue;
        if (piece->end < i) {
            while (piece->end < i)
                ++piece;
            prefix = piecePrefixes();
        }
        const int x = origin.x() + piece->x + prefix.widthTo(i - piece->start);
        const int w = m_metrics.horizontalAdvance(text.at(i));
        const int y = origin.y() + m_metrics.underlinePos();
        m_painter->fillRect(
                QRect(x, y, w, std::max(1, m_metrics.lineWidth())), qColour(m_spec.colour));
    }
}

TextSize PainterTextSurface::textExtent(QStringView text)
{
    return { m_metrics.horizontalAdvance(cp1252ToUnicode(text)), m_metrics.height() };
}

void PainterTextSurface::drawPolyline(std::span<const Point> points, Colour pen, int penWidth)
{
    if (!m_painter || pen == colourNone)
        return;
    m_painter->save();
    m_painter->setPen(QPen(qColour(pen), std::max(1, penWidth)));
    m_painter->drawPolyline(toQPolygon(points));
    m_painter->restore();
}

void PainterTextSurface::drawPolygon(std::span<const Point> points, Colour pen, Colour brush)
{
    if (!m_painter)
        return;
    m_painter->save();
    m_painter->setPen(pen == colourNone ? QPen(Qt::NoPen) : QPen(qColour(pen)));
    m_painter->setBrush(brush == colourNone ? QBrush(Qt::NoBrush) : QBrush(qColour(brush)));
    m_painter->drawPolygon(toQPolygon(points));
    m_painter->restore();
}

void PainterTextSurface::fillRect(const Rect &rect, Colour colour)
{
    if (m_painter && colour != colourNone && rect.right > rect.left && rect.bottom > rect.top)
        m_painter->fillRect(toQRect(rect), qColour(colour));
}

Colour PainterTextSurface::resolveColour(Colour colour) const
{
    if (!isSystemColour(colour))
        return colour & 0x00FFFFFF;
    const QColor c = qColour(colour);
    return rgbColour(c.red(), c.green(), c.blue());
}

QColor PainterTextSurface::qColour(Colour colour) const
{
    return paletteColour(colour, m_palette);
}

} // namespace lw::platform
