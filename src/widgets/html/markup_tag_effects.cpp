#include <vector>

#include "widgets/html/markup_colour.h"
#include "widgets/html/markup_layout.h"

namespace lw::html {

using platform::Rect;

MarkupLayout::TagAction MarkupLayout::applyTag(
        Pass pass, RenderState &st, Line &line, QStringView text)
{
    const TagKind kind = classifyTag(text);
    switch (kind) {
    case TagKind::Anchor:
        anchorStart(pass, st, line, TagText(text));
        break;
    case TagKind::AnchorEnd:
        anchorEnd(pass, st, line);
        break;
    case TagKind::Font:
        fontTag(pass, st, TagText(text));
        break;
    case TagKind::FontEnd:
        fontEnd(pass, st);
        break;
    case TagKind::Paragraph:
        paragraphTag(pass, st, line, TagText(text));
        break;
    case TagKind::ParagraphEnd:
        paragraphEnd(pass, st);
        return TagAction::EndLine;
    case TagKind::Body:
        if (painting(pass))
            bodyTag(TagText(text));
        break;
    case TagKind::ListItem:
        return listItem(pass, st, line);
    case TagKind::Indent:
        positionTag(pass, line, TagText(text));
        break;
    case TagKind::Offset:
        st.tabOffset = readNumber(TagText(text).quotedFrom(0));
        break;
    default:
        return applyFormattingTag(pass, st, line, kind);
    }
    return TagAction::Continue;
}

// Tags that only switch a flag or end the line.
MarkupLayout::TagAction MarkupLayout::applyFormattingTag(
        Pass pass, RenderState &st, Line &line, TagKind kind)
{
    switch (kind) {
    case TagKind::Bold:
        st.font.bold = true;
        break;
    case TagKind::BoldEnd:
        st.font.bold = false;
        break;
    case TagKind::Italic:
        st.font.italic = true;
        break;
    case TagKind::ItalicEnd:
        st.font.italic = false;
        break;
    case TagKind::Underline:
        st.font.underline = true;
        break;
    case TagKind::UnderlineEnd:
        st.font.underline = false;
        break;
    case TagKind::Strike:
        st.font.strikeOut = true;
        break;
    case TagKind::StrikeEnd:
        st.font.strikeOut = false;
        break;
    case TagKind::Blink:
        if (!m_options.blinkPhase)
            st.font.colour = m_entryFill;
        break;
    case TagKind::BlinkEnd:
        st.font.colour = m_baseFont.colour;
        break;
    case TagKind::Error:
        st.errorMark = true;
        break;
    case TagKind::ErrorEnd:
        st.errorMark = false;
        break;
    case TagKind::Shadow:
        st.shadow = true;
        break;
    case TagKind::ShadowEnd:
        st.shadow = false;
        break;
    case TagKind::Subscript:
        st.subscript = true;
        break;
    case TagKind::Superscript:
        st.superscript = true;
        break;
    case TagKind::ScriptEnd:
        st.subscript = st.superscript = false;
        break;
    case TagKind::Hidden:
        st.hidden = true;
        break;
    case TagKind::HiddenEnd:
        st.hidden = false;
        break;
    case TagKind::Highlight:
        highlightTag(pass, st, true);
        break;
    case TagKind::HighlightEnd:
        highlightTag(pass, st, false);
        break;
    case TagKind::OffsetEnd:
        st.tabOffset = 0;
        break;
    case TagKind::ListClose:
        if (st.listLevel > 0)
            --st.listLevel;
        else
            st.font.underline = false;
        break;
    case TagKind::ListOpen:
        ++st.listLevel;
        return TagAction::EndLine;
    case TagKind::Break:
    case TagKind::ListItemEnd:
        return TagAction::EndLine;
    case TagKind::Rule:
        if (painting(pass)) {
            const std::vector<platform::Point> rule{ { line.left, line.bottom },
                { m_rect.right, line.bottom } };
            m_surface.drawPolyline(rule, platform::colourBlack, 1);
        }
        return TagAction::EndLine;
    default:
        break; // rotation, pictures and unknown tags are consumed without effect
    }
    return TagAction::Continue;
}

void MarkupLayout::anchorStart(Pass pass, RenderState &st, Line &line, const TagText &tag)
{
    ++st.linkCount;
    st.anchor = tag.quotedFrom(0).toString();
    st.inAnchor = true;
    if (pass != Pass::Place)
        return;
    m_linkStartX = line.x;
    m_linkHit = false;
    linkStyle(st);
}

// With the hover style on, every link keeps the link colour; only the hovered one is
// underlined, in the hover text colour over the hover background where those are given.
void MarkupLayout::linkStyle(RenderState &st) const
{
    endHoverFill(st);
    const bool hovered = m_options.hover && st.linkCount == m_options.hoverLink;
    st.font.colour = m_options.urlColor;
    if (!m_options.hover || hovered)
        st.font.underline = true;
    if (!hovered)
        return;
    if (m_options.hoverFontColor != colourNone)
        st.font.colour = m_options.hoverFontColor;
    if (m_options.hoverColor != colourNone) {
        st.hoverSavedFill = st.fill;
        st.hoverFill = true;
        st.fill = m_options.hoverColor;
    }
}

void MarkupLayout::endHoverFill(RenderState &st)
{
    if (!st.hoverFill)
        return;
    st.fill = st.hoverSavedFill;
    st.hoverFill = false;
}

void MarkupLayout::anchorEnd(Pass pass, RenderState &st, const Line &line)
{
    st.inAnchor = false;
    if (pass != Pass::Place)
        return;
    st.font.underline = false;
    st.font.colour = m_baseFont.colour;
    endHoverFill(st);
    if (m_linkHit) {
        m_result.linkUnderPoint = st.linkCount;
        m_result.linkRect = { m_linkStartX, line.top, line.x, line.bottom };
        m_linkHit = false;
    }
}

void MarkupLayout::fontTag(Pass pass, RenderState &st, const TagText &tag)
{
    const QStringView face = tag.upperValue(u"FACE");
    if (!face.isEmpty())
        st.font.name = face.toString();
    // With the blank, so that BGCOLOR is not taken for COLOR.
    const QStringView colour = tag.upperValue(u" COLOR");
    if (!colour.isEmpty())
        st.font.colour = parseColour(colour);
    bool sized = false;
    const int size = fontSizeOf(tag, sized);
    if (sized)
        st.font.pointSize = size;
    const QStringView fill = tag.upperValue(u"BGCOLOR");
    if (pass == Pass::Place && !fill.isEmpty()) {
        st.savedFontFill = st.fill;
        st.hasSavedFontFill = true;
        st.fill = parseColour(fill);
    }
}

// Closing tags restore from the base font, not from an enclosing tag.
void MarkupLayout::fontEnd(Pass pass, RenderState &st)
{
    st.font.name = m_baseFont.name;
    st.font.pointSize = m_baseFont.pointSize;
    if (pass != Pass::Place)
        return;
    st.font.colour = m_baseFont.colour;
    if (st.hasSavedFontFill) {
        st.fill = st.savedFontFill;
        st.hasSavedFontFill = false;
    }
}

void MarkupLayout::paragraphTag(Pass pass, RenderState &st, const Line &line, const TagText &tag)
{
    const QStringView align = tag.upperValue(u"ALIGN");
    if (!align.isEmpty())
        st.alignment = alignmentOf(align, st.alignment);
    const QStringView indent = tag.upperValue(u"INDENT");
    if (!indent.isEmpty())
        st.indent = readNumber(indent);
    const QStringView fill = tag.upperValue(u"BGCOLOR");
    if (pass != Pass::Place || fill.isEmpty())
        return;
    if (!st.paragraphFill)
        st.paragraphSavedFill = st.fill;
    st.paragraphFill = true;
    st.paragraphColour = parseColour(fill);
    const QStringView to = tag.upperValue(u"BGCOLORTO");
    st.paragraphColourTo = to.isEmpty() ? colourNone : parseColour(to);
    st.fill = st.paragraphColour;
    if (painting(pass))
        fillParagraphLine(st, line);
}

void MarkupLayout::paragraphEnd(Pass pass, RenderState &st)
{
    if (pass != Pass::Place || !st.paragraphFill)
        return;
    st.fill = st.paragraphSavedFill;
    st.paragraphFill = false;
}

void MarkupLayout::bodyTag(const TagText &tag)
{
    const QStringView fill = tag.upperValue(u"BGCOLOR");
    if (fill.isEmpty())
        return;
    const QStringView to = tag.upperValue(u"BGCOLORTO");
    if (to.isEmpty()) {
        m_surface.fillRect(m_rect, parseColour(fill));
        return;
    }
    const QStringView direction = tag.upperValue(u"DIR");
    fillGradient(
            m_rect, parseColour(fill), parseColour(to), direction.isEmpty() || direction == u"H");
}

// A second item on one line ends the line before it.
MarkupLayout::TagAction MarkupLayout::listItem(Pass pass, RenderState &st, Line &line)
{
    if (line.listItem)
        return TagAction::EndLineBefore;
    line.listItem = true;
    const int shift = 12 * st.listLevel;
    const int cell = extentWidth(st.font, u"o ");
    if (pass == Pass::Measure) {
        line.sum += shift + cell;
        return TagAction::Continue;
    }
    line.x += shift;
    if (painting(pass)) {
        const Rect box{ line.x, line.top, m_rect.right, line.bottom };
        if (st.listLevel % 2 == 1) {
            const int r = std::max(1, extentWidth(st.font, u"o") / 3);
            const int cx = line.x + r + 1;
            const int cy = (line.top + line.bottom) / 2;
            const std::vector<platform::Point> diamond{ { cx, cy - r }, { cx + r, cy },
                { cx, cy + r }, { cx - r, cy } };
            m_surface.drawPolygon(diamond, st.font.colour, st.font.colour);
        } else {
            useFont(st.font);
            m_surface.drawText(u"o", box, m_drawFormat | platform::TextNoPrefix);
        }
    }
    line.x += cell;
    return TagAction::Continue;
}

void MarkupLayout::positionTag(Pass pass, Line &line, const TagText &tag)
{
    const int target = readNumber(tag.quotedFrom(0));
    if (pass == Pass::Measure)
        line.sum = std::max(line.sum, target);
    else
        line.x = std::max(line.x, m_rect.left + target);
}

void MarkupLayout::highlightTag(Pass pass, RenderState &st, bool on)
{
    if (pass != Pass::Place || st.highlight == on)
        return;
    st.highlight = on;
    if (on) {
        st.highlightSavedFill = st.fill;
        st.highlightSavedText = st.font.colour;
        st.fill = platform::systemColour(platform::SystemColour::Highlight);
        st.font.colour = platform::systemColour(platform::SystemColour::HighlightText);
    } else {
        st.fill = st.highlightSavedFill;
        st.font.colour = st.highlightSavedText;
    }
}

void MarkupLayout::fillParagraphLine(const RenderState &st, const Line &line)
{
    const Rect box{ m_rect.left, line.top, m_rect.right, line.bottom };
    if (st.paragraphColourTo == colourNone)
        m_surface.fillRect(box, st.paragraphColour);
    else
        fillGradient(box, st.paragraphColour, st.paragraphColourTo, true);
}

void MarkupLayout::fillGradient(const Rect &area, Colour from, Colour to, bool horizontal)
{
    constexpr int steps = 64;
    const Colour a = m_surface.resolveColour(from);
    const Colour b = m_surface.resolveColour(to);
    const int span = horizontal ? area.width() : area.height();
    for (int i = 0; i < steps; ++i) {
        const int lo = static_cast<int>(static_cast<long long>(span) * i / steps);
        const int hi = static_cast<int>(static_cast<long long>(span) * (i + 1) / steps);
        if (hi <= lo)
            continue;
        const Colour c = platform::blendColour(a, b, i, steps - 1);
        if (horizontal)
            m_surface.fillRect({ area.left + lo, area.top, area.left + hi, area.bottom }, c);
        else
            m_surface.fillRect({ area.left, area.top + lo, area.right, area.top + hi }, c);
    }
}

} // namespace lw::html
