#include "widgets/html/markup_tags.h"

#include <array>
#include <limits>

namespace lw::html {

namespace {

char16_t upperAt(QStringView tag, qsizetype index)
{
    return index < tag.size() ? QChar(tag[index]).toUpper().unicode() : u'\0';
}

TagKind classifyOpening(QStringView tag)
{
    const char16_t next = upperAt(tag, 2);
    switch (upperAt(tag, 1)) {
    case u'A':
        return TagKind::Anchor;
    case u'B':
        if (next == u'>')
            return TagKind::Bold;
        if (next == u'R')
            return TagKind::Break;
        if (next == u'L')
            return TagKind::Blink;
        return next == u'O' ? TagKind::Body : TagKind::Ignored;
    case u'E':
        return TagKind::Error;
    case u'F':
        return TagKind::Font;
    case u'H':
        if (next == u'I')
            return TagKind::Highlight;
        return next == u'R' ? TagKind::Rule : TagKind::Ignored;
    case u'I':
        if (next == u'>')
            return TagKind::Italic;
        if (next == u'N')
            return TagKind::Indent;
        return next == u'M' ? TagKind::Image : TagKind::Ignored;
    case u'L':
        return TagKind::ListItem;
    case u'O':
        return next == u'F' ? TagKind::Offset : TagKind::Ignored;
    case u'P':
        return TagKind::Paragraph;
    case u'R':
        return TagKind::Rotate;
    case u'S':
        if (next == u'>')
            return TagKind::Strike;
        if (next == u'H')
            return TagKind::Shadow;
        if (tag.startsWith(u"<SUB>", Qt::CaseInsensitive))
            return TagKind::Subscript;
        return tag.startsWith(u"<SUP>", Qt::CaseInsensitive) ? TagKind::Superscript
                                                             : TagKind::Ignored;
    case u'U':
        return next == u'>' ? TagKind::Underline : TagKind::ListOpen;
    case u'Z':
        return TagKind::Hidden;
    default:
        return TagKind::Ignored;
    }
}

TagKind classifyClosing(QStringView tag)
{
    const char16_t next = upperAt(tag, 3);
    switch (upperAt(tag, 2)) {
    case u'A':
        return TagKind::AnchorEnd;
    case u'B':
        return next == u'>' ? TagKind::BoldEnd : TagKind::BlinkEnd;
    case u'E':
        return TagKind::ErrorEnd;
    case u'F':
        return TagKind::FontEnd;
    case u'H':
        return next == u'I' ? TagKind::HighlightEnd : TagKind::Ignored;
    case u'I':
        return TagKind::ItalicEnd;
    case u'L':
        return TagKind::ListItemEnd;
    case u'O':
        return TagKind::OffsetEnd;
    case u'P':
        return TagKind::ParagraphEnd;
    case u'R':
        return TagKind::RotateEnd;
    case u'S':
        if (next == u'U')
            return TagKind::ScriptEnd;
        return next == u'H' ? TagKind::ShadowEnd : TagKind::StrikeEnd;
    case u'U':
        return next == u'>' ? TagKind::UnderlineEnd : TagKind::ListClose;
    case u'Z':
        return TagKind::HiddenEnd;
    default:
        return TagKind::Ignored;
    }
}

} // namespace

TagKind classifyTag(QStringView tag)
{
    if (tag.size() < 2 || tag[0] != u'<')
        return TagKind::Ignored;
    if (tag[1] != u'/')
        return classifyOpening(tag);
    // "</", a letter and at least one more character.
    return tag.size() >= 4 ? classifyClosing(tag) : TagKind::Ignored;
}

// Upper-cased one character at a time, so positions in both copies stay the same.
TagText::TagText(QStringView text)
    : original(text)
    , upper(text.size(), Qt::Uninitialized)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        upper[i] = text[i].toUpper();
}

QStringView TagText::quotedFrom(qsizetype from) const
{
    const qsizetype open = original.indexOf(u'"', from);
    if (open < 0)
        return {};
    const qsizetype close = original.indexOf(u'"', open + 1);
    if (close < 0)
        return {};
    return original.mid(open + 1, close - open - 1);
}

QStringView TagText::originalValue(QStringView name) const
{
    const qsizetype at = upper.indexOf(name);
    return at < 0 ? QStringView() : quotedFrom(at + name.size());
}

QStringView TagText::upperValue(QStringView name) const
{
    const QStringView value = originalValue(name);
    if (value.isEmpty())
        return {};
    const qsizetype offset = value.data() - original.data();
    return QStringView(upper).mid(offset, value.size());
}

int readNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    // Far beyond any sensible pixel or point value, and safe to negate and add to.
    constexpr long long limit = 1'000'000;
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min(limit, value * 10 + (text[i].unicode() - u'0'));
    return static_cast<int>(negative ? -value : value);
}

int fontSizeOf(const TagText &tag, bool &present)
{
    const qsizetype name = tag.upper.indexOf(u"SIZE");
    const qsizetype equals = name < 0 ? -1 : tag.upper.indexOf(u'=', name + 4);
    present = equals >= 0;
    if (!present)
        return 0;
    QStringView value = QStringView(tag.upper).mid(equals + 1);
    // Only a quote that opens the value is skipped: a quote further on belongs to another
    // attribute and must not swallow the number.
    qsizetype i = 0;
    while (i < value.size() && value[i] == u' ')
        ++i;
    if (i < value.size() && value[i] == u'"')
        value = value.mid(i + 1);
    static constexpr std::array<int, 5> htmlSizes = { 8, 10, 12, 14, 16 };
    const int number = readNumber(value);
    return number >= 1 && number <= 5 ? htmlSizes[static_cast<std::size_t>(number - 1)] : number;
}

int alignmentOf(QStringView upperValue, int current)
{
    int alignment = current;
    if (upperValue.contains(u"LEFT"))
        alignment = 0;
    if (upperValue.contains(u"RIGHT"))
        alignment = 1;
    if (upperValue.contains(u"CENTER"))
        alignment = 2;
    return alignment;
}

} // namespace lw::html
