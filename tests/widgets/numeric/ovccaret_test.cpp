#include "widgets/numeric/ovccaret.h"

#include <gtest/gtest.h>

#include "support/row_printers.h"

using lw::numeric::CaretCell;
using lw::numeric::caretRect;
using lw::numeric::TOvcCaret;
using lw::numeric::TOvcCaretPair;
using lw::numeric::TOvcCaretShape;

namespace {

// A 15 px line whose last character is 7 px wide and ends at x = 100.
constexpr CaretCell cell{ 100, 4, 15, 7 };

struct CaretRow
{
    const char *name;
    TOvcCaretShape shape;
    QRect expected;
};

LW_PRINT_ROW_NAME(CaretRow)

class CaretShapes : public ::testing::TestWithParam<CaretRow>
{
};

} // namespace

TEST_P(CaretShapes, CoverTheirPartOfTheLastCell)
{
    TOvcCaret caret;
    caret.Shape = GetParam().shape;
    caret.CaretHeight = 10;
    caret.CustomWidth = 3;
    EXPECT_EQ(caretRect(caret, cell), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Shapes, CaretShapes,
        ::testing::Values(CaretRow{ "Block", TOvcCaretShape::csBlock, QRect(93, 4, 7, 15) },
                CaretRow{ "HalfBlock", TOvcCaretShape::csHalfBlock, QRect(93, 11, 7, 8) },
                CaretRow{ "VertLine", TOvcCaretShape::csVertLine, QRect(100, 4, 2, 15) },
                CaretRow{ "HorzLine", TOvcCaretShape::csHorzLine, QRect(93, 17, 7, 2) },
                CaretRow{ "Custom", TOvcCaretShape::csCustom, QRect(100, 9, 3, 10) }),
        [](const auto &row) {
            return std::string(row.param.name);
        });

TEST(CaretPair, InsertModeShowsALineAndOverwriteABlock)
{
    const TOvcCaretPair pair;
    EXPECT_EQ(pair.forMode(true).Shape, TOvcCaretShape::csVertLine);
    EXPECT_EQ(pair.forMode(false).Shape, TOvcCaretShape::csBlock);
}
