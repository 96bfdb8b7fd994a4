#include "widgets/html/markup_layout.h"

#include <algorithm>
#include <vector>

#include "widgets/html/markup_text.h"

namespace lw::html {

using platform::FontSpec;
using platform::TextSize;

MarkupLayout::MarkupLayout(platform::TextSurface &surface, QStringView text,
        const platform::Rect &rect, const MarkupOptions &options, MarkupResult &result)
    : m_surface(surface)
    , m_text(prepareMarkup(text))
    , m_rect(rect)
    , m_options(options)
    , m_result(result)
    , m_baseFont(surface.font())
    , m_entryFill(surface.fillColour())
{
    m_drawFormat = platform::TextSingleLine | platform::TextBottom | platform::TextExpandTabs;
    if (m_text.contains(u" & "))
        m_drawFormat |= platform::TextNoPrefix;
    if (!options.wordWrap)
        m_drawFormat |= platform::TextEndEllipsis;
    m_measureFormat = m_drawFormat | platform::TextCalcRect | platform::TextExternalLeading;
    m_measureState.font = m_baseFont;
    m_placeState.font = m_baseFont;
    m_end = m_text.size();
    m_top = rect.top;
}

bool MarkupLayout::run()
{
    m_result = MarkupResult{};
    m_surface.setFillColour(colourNone);
    bool laidOut = false;
    for (;;) {
        trimRemaining();
        if (m_pos >= m_end)
            break;
        laidOut = true;
        if (!layOutLine())
            break;
    }
    if (!laidOut)
        m_result.height = extentHeight(m_baseFont, u"gh");
    m_surface.setFont(m_baseFont);
    m_surface.setFillColour(m_entryFill);
    return m_overLink;
}

void MarkupLayout::trimRemaining()
{
    while (m_pos < m_end && isBlank(m_text[m_pos]))
        ++m_pos;
    while (m_end > m_pos && isBlank(m_text[m_end - 1]))
        --m_end;
}

// Returns false when the rectangle has no room for another line.
bool MarkupLayout::layOutLine()
{
    const int baseHeight = extentHeight(m_measureState.font, u"gh");
    const qsizetype begin = m_pos;
    Line measured;
    measured.height = baseHeight;
    passLine(Pass::Measure, m_measureState, measured, begin, m_end);
    // Cannot happen by the rules above, but a line that consumes nothing would never end.
    measured.end = std::max(measured.end, begin + 1);
    const int width = measured.sum - measured.trailingSpace;

    Line line;
    line.left = lineLeft(m_measureState, width);
    line.top = m_top;
    line.subExtra = measured.subExtra;
    line.supExtra = measured.supExtra;
    line.bottom = m_top + measured.height + m_options.lineSpacing + line.subExtra + line.supExtra;
    if (!m_options.measureOnly) {
        passLine(Pass::Place, m_placeState, line, begin, measured.end);
        finishHitTest(m_placeState, line);
    }
    if (width > m_result.width)
        m_result.width = width + 2;
    m_result.height += line.bottom - line.top;
    m_top = line.bottom;
    m_pos = measured.end;
    return m_options.measureOnly || m_rect.bottom >= m_top + baseHeight;
}

int MarkupLayout::lineLeft(const RenderState &st, int width) const
{
    int left = m_rect.left;
    if (st.alignment == 1 && m_rect.right - width > left)
        left = m_rect.right - width;
    else if (st.alignment == 2 && m_rect.width() - width > 0)
        left += (m_rect.width() - width) / 2;
    return left + st.indent + st.tabOffset;
}

void MarkupLayout::passLine(Pass pass, RenderState &st, Line &line, qsizetype begin, qsizetype end)
{
    st.superscript = st.subscript = false;
    line.x = line.left;
    if (pass == Pass::Place) {
        m_placeScan.reset();
        if (st.inAnchor)
            m_linkStartX = line.left;
        if (st.paragraphFill && painting(pass))
            fillParagraphLine(st, line);
    }
    qsizetype pos = begin;
    while (pos < end) {
        const qsizetype runEnd = cutRun(pass, pos, end);
        if (runEnd > pos && !placeRun(pass, st, line, QStringView(m_text).mid(pos, runEnd - pos)))
            break;
        pos = runEnd;
        if (pos >= end || m_text[pos] != u'<')
            continue;
        if (end - pos < 3) {
            pos = end;
            break;
        }
        const qsizetype close = m_text.indexOf(u'>', pos);
        const qsizetype tagEnd = close < 0 || close >= end ? end : close + 1;
        const TagAction action =
                applyTag(pass, st, line, QStringView(m_text).mid(pos, tagEnd - pos));
        if (action == TagAction::EndLineBefore)
            break;
        pos = tagEnd;
        if (action == TagAction::EndLine)
            break;
    }
    line.end = pos;
}

qsizetype MarkupLayout::cutRun(Pass pass, qsizetype pos, qsizetype end)
{
    Scanner &scan = pass == Pass::Measure ? m_measureScan : m_placeScan;
    const auto next = [&](qsizetype &cached, QChar c) {
        if (cached < pos) {
            cached = QStringView(m_text).mid(pos, end - pos).indexOf(c);
            cached = cached < 0 ? end : pos + cached;
        }
        return std::min(cached, end);
    };
    const qsizetype lessThan = next(scan.lessThan, u'<');
    if (lessThan == pos)
        return pos;
    const qsizetype space = m_options.wordWrap ? next(scan.space, u' ') : end;
    return space < lessThan ? space + 1 : lessThan;
}

// Returns false when the run does not fit on the line and stays for the next one.
bool MarkupLayout::placeRun(Pass pass, RenderState &st, Line &line, QStringView raw)
{
    QString replaced;
    QStringView run = raw;
    if (raw.contains(u'&')) {
        replaced = replaceRunEntities(raw);
        run = replaced;
    }
    const TextSize size = measure(st, run);
    if (pass == Pass::Measure) {
        line.height = std::max(line.height, size.height);
        if (st.subscript)
            line.subExtra = std::max(line.subExtra, size.height / 4);
        if (st.superscript)
            line.supExtra = std::max(line.supExtra, size.height / 4);
    }
    if (st.hidden)
        return true;
    if (pass == Pass::Measure) {
        line.sum += size.width;
        const int available = m_rect.width() - st.tabOffset;
        if (m_options.wordWrap && !(line.sum < available || size.width >= available)) {
            line.sum -= size.width;
            return false;
        }
    } else {
        if (painting(pass))
            drawRun(st, line, run, size.width);
        hitTestRun(st, line, size.width);
        line.x += size.width;
    }
    line.trailingSpace = run.endsWith(u' ') ? extentWidth(st.font, u" ") : 0;
    return true;
}

void MarkupLayout::drawRun(const RenderState &st, const Line &line, QStringView run, int width)
{
    platform::Rect box{ line.x, line.top, m_rect.right, line.bottom - line.subExtra };
    if (st.superscript)
        box.bottom -= line.supExtra;
    if (st.subscript)
        box.bottom += line.subExtra;
    useFill(st.fill);
    if (st.shadow) {
        FontSpec shadow = st.font;
        shadow.colour = m_options.shadowColor;
        useFont(shadow);
        const int d = m_options.shadowOffset;
        m_surface.drawText(
                run, { box.left + d, box.top + d, box.right + d, box.bottom + d }, m_drawFormat);
    }
    if (!m_options.wordWrap && line.x >= m_rect.right - extentWidth(st.font, u"w"))
        return;
    useFont(st.font);
    m_surface.drawText(run, box, m_drawFormat);
    if (!st.errorMark || width <= 0)
        return;
    std::vector<platform::Point> zigzag;
    for (int x = 0; x <= width; x += 2)
        zigzag.push_back({ box.left + x, box.bottom - 1 - ((x / 2) % 2) * 2 });
    m_surface.drawPolyline(zigzag, 0x000000FF, 1);
}

void MarkupLayout::hitTestRun(RenderState &st, Line &line, int width)
{
    if (!st.inAnchor)
        return;
    const int start = line.x - line.left;
    const int offset = m_options.x - line.left;
    if (offset < start || offset > start + width)
        return;
    line.hit = true;
    if (line.top < m_options.y) {
        m_result.anchor = st.anchor;
        m_linkHit = true;
    }
}

// The hit band is one text height above the line's bottom edge.
void MarkupLayout::finishHitTest(const RenderState &st, const Line &line)
{
    if (line.hit && m_options.y > line.bottom - extentHeight(st.font, u"gh")
            && m_options.y < line.bottom)
        m_overLink = true;
}

void MarkupLayout::useFont(const FontSpec &font)
{
    m_surface.setFont(font);
}

void MarkupLayout::useFill(Colour fill)
{
    if (m_surface.fillColour() != fill)
        m_surface.setFillColour(fill);
}

TextSize MarkupLayout::measure(const RenderState &st, QStringView run)
{
    useFont(st.font);
    return m_surface.measureText(run, m_measureFormat);
}

int MarkupLayout::extentHeight(const FontSpec &font, QStringView text)
{
    useFont(font);
    return m_surface.textExtent(text).height;
}

int MarkupLayout::extentWidth(const FontSpec &font, QStringView text)
{
    useFont(font);
    return m_surface.textExtent(text).width;
}

} // namespace lw::html
