#pragma once

// Caret shapes of the entry fields and the rectangle each covers.

#include <cstdint>

#include <QPoint>
#include <QRect>
#include <QSize>

namespace lw::numeric {

/// The shapes a field's caret can take, in their stored order.
enum class TOvcCaretShape : std::uint8_t {
    csBlock,
    csHalfBlock,
    csVertLine,
    csHorzLine,
    csCustom,
    csBitmap
};

/// One caret: its shape, and the size used by csCustom and csBitmap.
struct TOvcCaret
{
    TOvcCaretShape Shape = TOvcCaretShape::csVertLine;
    int CaretWidth = 2; ///< pixels; the width of a vertical line, the height of a horizontal one
    int CaretHeight = 10; ///< pixels; used by csCustom and csBitmap
    int CustomWidth = 2; ///< pixels; used by csCustom and csBitmap
};

/// The caret shown in insert mode and the one shown in overwrite mode.
struct TOvcCaretPair
{
    TOvcCaret CaretIns{ TOvcCaretShape::csVertLine };
    TOvcCaret CaretOvr{ TOvcCaretShape::csBlock };

    const TOvcCaret &forMode(bool insertMode) const { return insertMode ? CaretIns : CaretOvr; }
};

/// The character cell the caret is drawn against, in widget pixels.
struct CaretCell
{
    int textRight = 0; ///< x just after the last painted character
    int top = 0; ///< top of the text line
    int lineHeight = 0; ///< the font's character height
    int charWidth = 0; ///< the width of the character the caret stands on or after
};

/// The rectangle a caret of this shape covers at the end of a right-aligned text: lines stand
/// just after the last character, cell shapes cover the last character, so that the caret
/// never reaches into the field's right margin.
QRect caretRect(const TOvcCaret &caret, const CaretCell &cell);

} // namespace lw::numeric
