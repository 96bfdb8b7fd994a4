#include "core/dialog_placement.h"

#include <gtest/gtest.h>

#include "support/row_printers.h"

namespace {

// Outer frames as the window manager draws them at 1x: the calculator, the part of it that
// holds the fields down to the last result field, and the schedule window.
const QSize calculator(659, 424);
const QRect fields(0, 0, 464, 322);
const QSize preferred(902, 621);
const QSize minimum(433, 367);
constexpr int Panel = 40; // the desktop's panel along the bottom, in pixels

struct ScreenRow
{
    const char *name;
    QSize pixels;
    int scale;
    bool fieldsFit; // the screen holds the fields and the smallest schedule apart
};
LW_PRINT_ROW_NAME(ScreenRow)

class CompanionOnScreen : public ::testing::TestWithParam<ScreenRow>
{
};

TEST_P(CompanionOnScreen, KeepsTheFieldsInSightAndBothOnTheScreen)
{
    const ScreenRow &row = GetParam();
    const QRect screen(
            0, 0, row.pixels.width() / row.scale, (row.pixels.height() - Panel) / row.scale);
    // Centred, where the calculator opens.
    QRect main(QPoint(), calculator);
    main.moveCenter(screen.center());
    const auto placed = lw::core::placeCompanion({ screen, main, fields, preferred, minimum });
    EXPECT_EQ(placed.main.size(), calculator);
    EXPECT_TRUE(screen.contains(placed.main.topLeft()));
    EXPECT_TRUE(screen.contains(placed.companion));
    if (calculator.height() <= screen.height() && calculator.width() <= screen.width()) {
        EXPECT_TRUE(screen.contains(placed.main));
    }
    if (!row.fieldsFit)
        return;
    const QRect kept = fields.translated(placed.main.topLeft());
    EXPECT_TRUE(screen.contains(kept));
    EXPECT_FALSE(kept.intersects(placed.companion));
    EXPECT_GE(placed.companion.width(), minimum.width());
    EXPECT_GE(placed.companion.height(), std::min(minimum.height(), screen.height()));
}

INSTANTIATE_TEST_SUITE_P(Screens, CompanionOnScreen,
        ::testing::Values(ScreenRow{ "Xga", { 1024, 768 }, 1, true },
                ScreenRow{ "Wxga", { 1366, 768 }, 1, true },
                ScreenRow{ "FullHd", { 1920, 1080 }, 1, true },
                ScreenRow{ "Qhd", { 2560, 1440 }, 1, true },
                // 512 x 364 and 683 x 364: smaller than the calculator alone.
                ScreenRow{ "XgaDouble", { 1024, 768 }, 2, false },
                ScreenRow{ "WxgaDouble", { 1366, 768 }, 2, false },
                ScreenRow{ "FullHdDouble", { 1920, 1080 }, 2, true },
                ScreenRow{ "QhdDouble", { 2560, 1440 }, 2, true }),
        lw::test::RowName());

TEST(CompanionOnScreen, SideBySideMovesTheCalculatorOnlyAsFarAsItMust)
{
    const QRect screen(0, 0, 1366, 728);
    const auto placed = lw::core::placeCompanion(
            { screen, QRect(QPoint(350, 138), calculator), fields, preferred, minimum });
    // 1366 - 659 = 707 beside it: the schedule narrows to that, the calculator goes to the
    // left edge, and the schedule's bottom comes up to the screen's, 728 - 621 = 107.
    EXPECT_EQ(placed.companion, QRect(659, 107, 707, 621));
    EXPECT_EQ(placed.main.topLeft(), QPoint(0, 138));
}

} // namespace
