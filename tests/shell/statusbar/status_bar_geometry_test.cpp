#include "shell/statusbar/status_bar_geometry.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/qt_printers.h"
#include "support/row_printers.h"

using namespace lw::shell;

namespace {

struct LayoutCase
{
    const char *name;
    std::vector<PanelExtent> panels;
    std::vector<QRect> expected;
};

LW_PRINT_ROW_NAME(LayoutCase)

class LayoutTest : public ::testing::TestWithParam<LayoutCase>
{
};

const QSize bar(657, 19);

TEST_P(LayoutTest, PanelsEndAtTheSumOfTheirWidths)
{
    EXPECT_EQ(layoutPanels(GetParam().panels, bar, 128), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, LayoutTest,
        ::testing::Values(LayoutCase{ "LastReachesTheRightEdge",
                                  { { 120, true }, { 50, true }, { 30, true } },
                                  { { 0, 0, 120, 19 }, { 120, 0, 50, 19 }, { 170, 0, 487, 19 } } },
                LayoutCase{ "LastShrinksToTheRightEdge", { { 120, true }, { 900, true } },
                        { { 0, 0, 120, 19 }, { 120, 0, 537, 19 } } },
                LayoutCase{ "InvisibleIsZeroWide", { { 120, true }, { 50, false }, { 30, true } },
                        { { 0, 0, 120, 19 }, { 120, 0, 0, 19 }, { 120, 0, 537, 19 } } },
                LayoutCase{ "InvisibleLastDoesNotStretch",
                        { { 120, true }, { 50, true }, { 30, false } },
                        { { 0, 0, 120, 19 }, { 120, 0, 50, 19 }, { 170, 0, 0, 19 } } },
                LayoutCase{ "LastPastTheEdgeIsEmpty",
                        { { 400, true }, { 700, true }, { 10, true } },
                        { { 0, 0, 400, 19 }, { 400, 0, 700, 19 }, { 1100, 0, 0, 19 } } }),
        lw::test::RowName());

TEST(LayoutCap, OnlyTheFirst128PanelsAreLaidOutAndTheLastOfThemStretches)
{
    const std::vector<PanelExtent> panels(130, PanelExtent{ 3, true });
    const std::vector<QRect> rects = layoutPanels(panels, bar, 128);
    ASSERT_EQ(rects.size(), 130U);
    EXPECT_EQ(rects[126], QRect(378, 0, 3, 19));
    EXPECT_EQ(rects[127], QRect(381, 0, 657 - 381, 19));
    EXPECT_TRUE(rects[128].isNull());
    EXPECT_TRUE(rects[129].isNull());
}

struct OffsetCase
{
    const char *name;
    TabfAlignment alignment;
    QSize area;
    QSize text;
    QPoint expected;
};

LW_PRINT_ROW_NAME(OffsetCase)

class TextOffsetTest : public ::testing::TestWithParam<OffsetCase>
{
};

TEST_P(TextOffsetTest, FollowsTheAlignmentAndTruncatesTowardZero)
{
    const OffsetCase &row = GetParam();
    EXPECT_EQ(panelTextOffset(row.alignment, row.area, row.text), row.expected);
}

// Area 118 x 17 is a 120-wide panel in a 19-high bar.
INSTANTIATE_TEST_SUITE_P(Rows, TextOffsetTest,
        ::testing::Values(
                OffsetCase{ "Left", TabfAlignment::Left, { 118, 17 }, { 80, 14 }, { 2, 2 } },
                OffsetCase{ "Right", TabfAlignment::Right, { 118, 17 }, { 80, 14 }, { 36, 2 } },
                OffsetCase{ "Centre", TabfAlignment::Centre, { 118, 17 }, { 81, 14 }, { 18, 2 } },
                OffsetCase{
                        "CentreOdd", TabfAlignment::Centre, { 118, 17 }, { 80, 15 }, { 19, 1 } },
                OffsetCase{ "WideLeft", TabfAlignment::Left, { 118, 17 }, { 131, 21 }, { 2, -1 } },
                OffsetCase{
                        "WideRight", TabfAlignment::Right, { 118, 17 }, { 131, 21 }, { -15, -1 } },
                OffsetCase{ "WideCentre", TabfAlignment::Centre, { 118, 17 }, { 131, 21 },
                        { -6, -1 } }),
        lw::test::RowName());

struct HitCase
{
    const char *name;
    QPoint point;
    int expected;
};

LW_PRINT_ROW_NAME(HitCase)

class HitTest : public ::testing::TestWithParam<HitCase>
{
};

// A 120-wide panel, a 50-wide one and an invisible last one, which leaves a gap.
TEST_P(HitTest, OnlyTheDrawnAreaBelongsToAPanel)
{
    const std::vector<QRect> rects =
            layoutPanels({ { 120, true }, { 50, true }, { 30, false } }, bar, 128);
    EXPECT_EQ(panelIndexAt(rects, GetParam().point), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, HitTest,
        ::testing::Values(HitCase{ "TopLeftMargin", { 0, 0 }, -1 },
                HitCase{ "FirstAreaCorner", { 1, 1 }, 0 },
                HitCase{ "FirstAreaFarCorner", { 118, 17 }, 0 },
                HitCase{ "FirstRightMargin", { 119, 5 }, -1 },
                HitCase{ "SecondLeftMargin", { 120, 5 }, -1 },
                HitCase{ "SecondArea", { 121, 5 }, 1 }, HitCase{ "BottomMargin", { 50, 18 }, -1 },
                HitCase{ "GapAfterThePanels", { 300, 5 }, -1 },
                HitCase{ "OutsideTheBar", { 50, 25 }, -1 }),
        lw::test::RowName());

TEST(PanelName, IdentifiersAreLettersOrUnderscoreThenAlsoDigits)
{
    for (const char *good : { "WebPanel", "_x1", "a", "Panel_2" })
        EXPECT_TRUE(isValidPanelName(QString::fromLatin1(good))) << good;
    for (const char *bad : { "", "1abc", "Web Panel", "Web-Panel", "Caf\xc3\xa9" })
        EXPECT_FALSE(isValidPanelName(QString::fromUtf8(bad))) << bad;
}

} // namespace
