#include "core/dialog_placement.h"

#include <gtest/gtest.h>

#include "support/row_printers.h"

namespace {

// A 1920 x 1040 work area and a 660 x 420 calculator; the schedule window is 900 x 620.
const QRect screen(0, 0, 1920, 1040);
const QSize schedule(900, 620);

struct Beside
{
    const char *name;
    QRect main;
    QPoint expected;
};
LW_PRINT_ROW_NAME(Beside)

class BesideTest : public ::testing::TestWithParam<Beside>
{
};

TEST_P(BesideTest, TheWindowStandsBesideTheCalculatorOnTheScreen)
{
    EXPECT_EQ(lw::core::besideOf(GetParam().main, schedule, screen), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Placements, BesideTest,
        ::testing::Values(Beside{ "RoomOnTheRight", QRect(100, 50, 660, 420), QPoint(760, 50) },
                // 1300 + 900 would pass the right edge; 1300 - 900 = 400 is on the screen.
                Beside{ "RoomOnlyOnTheLeft", QRect(1300, 80, 660, 420), QPoint(400, 80) },
                Beside{ "NoRoomEitherSide", QRect(600, 80, 660, 420), QPoint(1020, 80) },
                // The top comes up so the bottom edge stays at 1040.
                Beside{ "LowOnTheScreen", QRect(100, 700, 660, 420), QPoint(760, 420) },
                Beside{ "AboveTheScreen", QRect(100, -60, 660, 420), QPoint(760, 0) }),
        lw::test::RowName());

} // namespace
