#include "widgets/numeric/field/field_geometry.h"

#include <gtest/gtest.h>

using lw::numeric::autoSizeHeight;
using lw::numeric::fieldTextRect;

TEST(FieldGeometry, AutoSizeAddsEightBordersForA3DEdgeAndSixForAFlatOne)
{
    EXPECT_EQ(autoSizeHeight(15, true), 23); // the calculator's fields: 15 px Arial, 23 high
    EXPECT_EQ(autoSizeHeight(15, false), 21);
    EXPECT_EQ(autoSizeHeight(15, true, 2), 31);
}

TEST(FieldGeometry, TextEndsOneMarginAndOnePixelInsideTheClientArea)
{
    // A 123 x 23 field less its 2 px edge: client (2, 2) 119 x 19.
    const QRect text = fieldTextRect(QRect(2, 2, 119, 19), 50, 15, 2);
    EXPECT_EQ(text.left() + text.width(), 2 + 119 - 2 - 1);
    EXPECT_EQ(text.width(), 50);
    EXPECT_EQ(text.top(), 4);
    EXPECT_EQ(text.height(), 15);
}
