#pragma once

#include <QHash>

#include "platform/gui/text_surface.h"

namespace lw::html {

/// A surface that only measures and remembers what it measured, for callers that lay out the
/// same text again and again (a label hit-tests on every pointer move). Drawing does nothing.
class MeasuringSurface final : public platform::TextSurface
{
public:
    /// `inner` does the measuring; it must outlive this surface.
    explicit MeasuringSurface(platform::TextSurface &inner);

    platform::FontSpec font() const override { return m_inner.font(); }

    void setFont(const platform::FontSpec &font) override;

    platform::Colour fillColour() const override { return m_inner.fillColour(); }

    void setFillColour(platform::Colour colour) override { m_inner.setFillColour(colour); }

    platform::TextSize measureText(QStringView text, platform::TextFormat format) override;

    void drawText(QStringView, const platform::Rect &, platform::TextFormat) override { }

    platform::TextSize textExtent(QStringView text) override;

    void drawPolyline(std::span<const platform::Point>, platform::Colour, int) override { }

    void drawPolygon(std::span<const platform::Point>, platform::Colour, platform::Colour) override
    { }

    void fillRect(const platform::Rect &, platform::Colour) override { }

    platform::Colour resolveColour(platform::Colour colour) const override
    {
        return m_inner.resolveColour(colour);
    }

private:
    // Formats are small flags; this bit marks a plain extent instead.
    static constexpr platform::TextFormat PlainExtent = 0x80000000;

    platform::TextSize remembered(QStringView text, platform::TextFormat format);

    platform::TextSurface &m_inner;
    QString m_face; // the current font without its colour, as a key
    QHash<QString, platform::TextSize> m_sizes;
};

} // namespace lw::html
