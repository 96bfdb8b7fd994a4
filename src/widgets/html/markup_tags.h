#pragma once

#include <QString>
#include <QStringView>

namespace lw::html {

/// What a tag does, decided from the letters after "<" or "</"; the rest of the name is free.
enum class TagKind {
    Ignored,
    Anchor,
    AnchorEnd,
    Bold,
    BoldEnd,
    Blink,
    BlinkEnd,
    Body,
    Break,
    Error,
    ErrorEnd,
    Font,
    FontEnd,
    Highlight,
    HighlightEnd,
    Rule,
    Italic,
    ItalicEnd,
    Indent,
    Image,
    ListItem,
    ListItemEnd,
    ListOpen,
    ListClose,
    Offset,
    OffsetEnd,
    Paragraph,
    ParagraphEnd,
    Rotate,
    RotateEnd,
    Strike,
    StrikeEnd,
    Shadow,
    ShadowEnd,
    Subscript,
    Superscript,
    ScriptEnd,
    Underline,
    UnderlineEnd,
    Hidden,
    HiddenEnd,
};

/// Classifies a tag given from its "<" up to and including its ">" (or the end of the text).
TagKind classifyTag(QStringView tag);

/// A tag with its upper-cased copy, in which attribute names are searched.
struct TagText
{
    explicit TagText(QStringView text);

    QStringView original;
    QString upper;

    /// The text between the first pair of double quotes at or after `from` (original case);
    /// empty without such a pair.
    QStringView quotedFrom(qsizetype from) const;
    /// The quoted value after the first occurrence of `name` in the upper-cased tag, in upper
    /// case; empty when the name or the quotes are missing.
    QStringView upperValue(QStringView name) const;
    /// The same value in its original letter case.
    QStringView originalValue(QStringView name) const;
};

/// Leading decimal number after optional spaces and a sign; no digits reads as 0. Saturates.
int readNumber(QStringView text);

/// Point size of a FONT tag's SIZE, or 0 without SIZE: 1..5 are the five HTML sizes
/// (8, 10, 12, 14, 16 points), other numbers are points.
int fontSizeOf(const TagText &tag, bool &present);

/// Alignment of an ALIGN value: 0 left, 1 right, 2 centre; the last of the words found wins.
/// Returns `current` when none is found.
int alignmentOf(QStringView upperValue, int current);

} // namespace lw::html
