#include "widgets/numeric/ovccaret.h"

namespace lw::numeric {

QRect caretRect(const TOvcCaret &caret, const CaretCell &cell)
{
    const int bottom = cell.top + cell.lineHeight;
    const int cellLeft = cell.textRight - cell.charWidth;
    switch (caret.Shape) {
    case TOvcCaretShape::csBlock:
        return { cellLeft, cell.top, cell.charWidth, cell.lineHeight };
    case TOvcCaretShape::csHalfBlock:
        return { cellLeft, cell.top + cell.lineHeight / 2, cell.charWidth,
            cell.lineHeight - cell.lineHeight / 2 };
    case TOvcCaretShape::csVertLine:
        return { cell.textRight, cell.top, caret.CaretWidth, cell.lineHeight };
    case TOvcCaretShape::csHorzLine:
        return { cellLeft, bottom - caret.CaretWidth, cell.charWidth, caret.CaretWidth };
    case TOvcCaretShape::csCustom:
    case TOvcCaretShape::csBitmap:
        break;
    }
    // Custom sizes stand on the baseline at the caret position, as a bitmap caret would.
    return { cell.textRight, bottom - caret.CaretHeight, caret.CustomWidth, caret.CaretHeight };
}

} // namespace lw::numeric
