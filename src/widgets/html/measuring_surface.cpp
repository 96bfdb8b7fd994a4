#include "widgets/html/measuring_surface.h"

namespace lw::html {

namespace {

// Enough for every word of a page of text in its few faces; past it the memory starts over.
constexpr qsizetype MaxRemembered = 8192;

QString faceKey(const platform::FontSpec &font)
{
    return QStringLiteral("%1/%2/%3%4%5%6")
            .arg(font.name)
            .arg(font.pointSize)
            .arg(int(font.bold))
            .arg(int(font.italic))
            .arg(int(font.underline))
            .arg(int(font.strikeOut));
}

} // namespace

MeasuringSurface::MeasuringSurface(platform::TextSurface &inner)
    : m_inner(inner)
    , m_face(faceKey(inner.font()))
{ }

void MeasuringSurface::setFont(const platform::FontSpec &font)
{
    const platform::FontSpec before = m_inner.font();
    m_inner.setFont(font);
    // Only the colour changed: the face and its widths stay.
    if (before.name != font.name || before.pointSize != font.pointSize || before.bold != font.bold
            || before.italic != font.italic || before.underline != font.underline
            || before.strikeOut != font.strikeOut)
        m_face = faceKey(font);
}

platform::TextSize MeasuringSurface::remembered(QStringView text, platform::TextFormat format)
{
    QString key = m_face;
    key += QChar(u'\x1f');
    key += QString::number(format, 16);
    key += QChar(u'\x1f');
    key += text;
    if (const auto found = m_sizes.constFind(key); found != m_sizes.cend())
        return *found;
    const platform::TextSize size =
            format == PlainExtent ? m_inner.textExtent(text) : m_inner.measureText(text, format);
    if (m_sizes.size() >= MaxRemembered)
        m_sizes.clear();
    m_sizes.insert(key, size);
    return size;
}

platform::TextSize MeasuringSurface::measureText(QStringView text, platform::TextFormat format)
{
    return remembered(text, format);
}

platform::TextSize MeasuringSurface::textExtent(QStringView text)
{
    return remembered(text, PlainExtent);
}

} // namespace lw::html
