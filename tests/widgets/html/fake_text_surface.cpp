#include "fake_text_surface.h"

#include <algorithm>

#include "platform/gui/text_prefix.h"

namespace lw::test {

namespace {

int clampedPoints(const FontSpec &font)
{
    return std::clamp(font.pointSize, 1, 1000);
}

} // namespace

FontSpec FakeTextSurface::defaultFont()
{
    FontSpec font;
    font.name = QStringLiteral("Fake");
    font.pointSize = 8;
    font.colour = 0x00000000;
    return font;
}

int FakeTextSurface::advance(const FontSpec &font)
{
    return std::max(1, clampedPoints(font) / 2) + (font.bold ? 1 : 0);
}

int FakeTextSurface::height(const FontSpec &font)
{
    const int points = clampedPoints(font);
    return points + points / 2 + 1;
}

int FakeTextSurface::leading(const FontSpec &)
{
    return 1;
}

// Tab stops every eight characters' advance.
int FakeTextSurface::shownWidth(QStringView shown, TextFormat format) const
{
    const int step = advance(m_font);
    int x = 0;
    for (QChar c : shown) {
        if (c == u'\t' && (format & platform::TextExpandTabs))
            x = (x / (8 * step) + 1) * 8 * step;
        else
            x += step;
    }
    return x;
}

TextSize FakeTextSurface::measureText(QStringView text, TextFormat format)
{
    measuredCharacters += text.size();
    const int h = height(m_font) + ((format & platform::TextExternalLeading) ? leading(m_font) : 0);
    if (format & platform::TextNoPrefix)
        return { shownWidth(text, format), h };
    return { shownWidth(platform::applyPrefix(text).text, format), h };
}

void FakeTextSurface::drawText(QStringView text, const Rect &box, TextFormat format)
{
    DrawnText drawn;
    if (format & platform::TextNoPrefix) {
        drawn.text = text.toString();
    } else {
        platform::PrefixedText prefixed = platform::applyPrefix(text);
        drawn.text = std::move(prefixed.text);
        drawn.underlined = std::move(prefixed.underlined);
    }
    if ((format & platform::TextEndEllipsis) && shownWidth(drawn.text, format) > box.width()) {
        const int fitting = std::max(0, box.width() / advance(m_font) - 3);
        drawn.text = drawn.text.left(fitting) + QStringLiteral("...");
    }
    drawn.box = box;
    drawn.format = format;
    drawn.font = m_font;
    drawn.fill = m_fill;
    texts.push_back(std::move(drawn));
}

TextSize FakeTextSurface::textExtent(QStringView text)
{
    measuredCharacters += text.size();
    return { static_cast<int>(text.size()) * advance(m_font), height(m_font) };
}

void FakeTextSurface::drawPolyline(std::span<const Point> points, Colour pen, int)
{
    lines.push_back({ { points.begin(), points.end() }, pen });
}

void FakeTextSurface::drawPolygon(std::span<const Point> points, Colour pen, Colour)
{
    polygons.push_back({ { points.begin(), points.end() }, pen });
}

void FakeTextSurface::fillRect(const Rect &rect, Colour colour)
{
    fills.push_back({ rect, colour });
}

Colour FakeTextSurface::resolveColour(Colour colour) const
{
    if (!platform::isSystemColour(colour))
        return colour;
    const int n = static_cast<int>(colour & 0xFF);
    return platform::rgbColour(n, n, n);
}

void FakeTextSurface::clear()
{
    texts.clear();
    lines.clear();
    polygons.clear();
    fills.clear();
}

} // namespace lw::test
