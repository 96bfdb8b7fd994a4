#include "shell/notebook/notebook_geometry.h"

#include <gtest/gtest.h>

#include "support/qt_printers.h"
#include "support/row_printers.h"

using namespace lw::shell;

namespace {

// A 48 px tab in a 20 px row: (2, 2) - (50, 22).
constexpr TabBox Box{ 2, 2, 50, 22 };

} // namespace

TEST(NotebookGeometry, TabHeightIsTheTallestLinePlusFour)
{
    EXPECT_EQ(autoTabHeight(15, 15, { 15, 15 }), 19);
    EXPECT_EQ(autoTabHeight(18, 15, {}), 22);
    EXPECT_EQ(autoTabHeight(15, 14, { 14, 21 }), 25);
}

TEST(NotebookGeometry, TabWidthAddsTheMarginsAndHasAFloor)
{
    EXPECT_EQ(tabWidth(60, 58), 72);
    EXPECT_EQ(tabWidth(40, 44), 56);
    EXPECT_EQ(tabWidth(0, 0), 20);
    EXPECT_EQ(tabWidth(7, 8), 20);
    EXPECT_EQ(tabWidth(9, 0), 21);
}

TEST(NotebookGeometry, CaptionsLoseTheirAcceleratorMarks)
{
    EXPECT_EQ(shownCaption(QStringLiteral(" Loanwright ")), QStringLiteral(" Loanwright "));
    EXPECT_EQ(shownCaption(QStringLiteral("&Extra")), QStringLiteral("Extra"));
    EXPECT_EQ(shownCaption(QStringLiteral("A&&B")), QStringLiteral("A&B"));
    EXPECT_EQ(acceleratorOf(QStringLiteral("Ex&tra")), QChar(u't'));
    EXPECT_TRUE(acceleratorOf(QStringLiteral("A&&B")).isNull());
    EXPECT_TRUE(acceleratorOf(QStringLiteral("Tab&")).isNull());
}

struct RowsCase
{
    const char *name;
    QList<int> widths;
    int notebookWidth;
    QList<int> rows;
};

LW_PRINT_ROW_NAME(RowsCase)

class TabRows : public ::testing::TestWithParam<RowsCase>
{
};

TEST_P(TabRows, FillEachRowGreedily)
{
    const RowsCase &c = GetParam();
    const QList<int> rows = tabRows(c.widths, c.notebookWidth);
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(tabRowCount(rows), c.rows.isEmpty() ? 1 : c.rows.back() + 1);
}

// The available width is the notebook's less 4.
INSTANTIATE_TEST_SUITE_P(Notebook, TabRows,
        ::testing::Values(RowsCase{ "NoTabs", {}, 100, {} },
                RowsCase{ "TheWindowsTwoTabs", { 80, 140 }, 657, { 0, 0 } },
                RowsCase{ "ExactFit", { 50, 46 }, 100, { 0, 0 } },
                RowsCase{ "OnePixelOver", { 50, 47 }, 100, { 0, 1 } },
                RowsCase{ "ATabWiderThanARowStillTakesOne", { 150, 30, 30 }, 100, { 0, 1, 1 } },
                RowsCase{ "HiddenTabsTakeNoRoom", { 48, 0, 48 }, 100, { 0, 0, 0 } }),
        lw::test::RowName());

TEST(NotebookGeometry, PagesFillTheAreaBelowTheRows)
{
    EXPECT_EQ(pageArea(QSize(657, 333), 1, 19), QRect(1, 22, 654, 309));
    EXPECT_EQ(pageArea(QSize(200, 150), 2, 20), QRect(1, 43, 197, 105));
    EXPECT_EQ(tabStripBottom(1, 19), 21);
}

TEST(NotebookGeometry, TabsRunFromTheLeftAndEachRowStartsAgain)
{
    const QList<TabBox> boxes = tabBoxes({ 48, 0, 30, 40 }, { 0, 0, 0, 1 }, 20);
    ASSERT_EQ(boxes.size(), 4);
    EXPECT_EQ(boxes[0], Box);
    EXPECT_TRUE(boxes[1].isEmpty());
    EXPECT_EQ(boxes[1].left, 50);
    EXPECT_EQ(boxes[2], (TabBox{ 50, 2, 80, 22 }));
    EXPECT_EQ(boxes[3], (TabBox{ 2, 22, 42, 42 }));
    EXPECT_EQ(Box.toRect(), QRect(2, 2, 48, 20));
}

TEST(NotebookGeometry, TabOutlineHasChamferedTopCorners)
{
    EXPECT_EQ(tabPolygon(Box),
            QPolygon({ { 2, 22 }, { 2, 4 }, { 4, 2 }, { 46, 2 }, { 48, 4 }, { 48, 22 } }));
    const TabEdgeLines edges = tabEdgeLines(Box);
    EXPECT_EQ(edges.highlight, QPolygon({ { 2, 21 }, { 2, 4 }, { 4, 2 }, { 48, 2 } }));
    EXPECT_EQ(edges.black, QPolygon({ { 48, 3 }, { 49, 4 }, { 49, 22 } }));
    EXPECT_EQ(edges.shadow, QPolygon({ { 48, 4 }, { 48, 22 } }));
    EXPECT_EQ(grownTabBox(Box), (TabBox{ 0, 0, 52, 22 }));
}

TEST(NotebookGeometry, ThePageFrameOpensUnderTheActiveTab)
{
    const TabBox active = grownTabBox(Box);
    const PageFrameLines frame = pageFrameLines(&active, QSize(200, 100), 22);
    EXPECT_EQ(frame.highlightLeft, QPolygon({ { 0, 22 }, { 0, 22 }, { 0, 99 } }));
    EXPECT_EQ(frame.opening, QPolygon({ { 1, 22 }, { 51, 22 } }));
    EXPECT_EQ(frame.highlightRight, QPolygon({ { 51, 22 }, { 198, 22 } }));
    EXPECT_EQ(frame.black, QPolygon({ { 0, 99 }, { 199, 99 }, { 199, 21 } }));
    EXPECT_EQ(frame.shadow, QPolygon({ { 1, 98 }, { 198, 98 }, { 198, 21 } }));

    const PageFrameLines closed = pageFrameLines(nullptr, QSize(200, 100), 22);
    EXPECT_EQ(closed.highlightLeft, QPolygon({ { 198, 22 }, { 0, 22 }, { 0, 99 } }));
    EXPECT_TRUE(closed.opening.isEmpty());
}

struct CaptionCase
{
    const char *name;
    int tabHeight;
    int lineHeight;
};

LW_PRINT_ROW_NAME(CaptionCase)

class CaptionPlace : public ::testing::TestWithParam<CaptionCase>
{
};

// The active caption stands in the grown tab, whose top is 2 px higher, with a margin that
// grows by only one: it ends up one pixel above the others, whatever the parity.
TEST_P(CaptionPlace, ActiveCaptionStandsOnePixelHigher)
{
    const CaptionCase &c = GetParam();
    const TabBox box{ 2, 2, 60, 2 + c.tabHeight };
    const QRect inactive = captionRect(box, c.tabHeight, c.lineHeight, false, 400);
    const QRect active = captionRect(box, c.tabHeight, c.lineHeight, true, 400);
    const int v = (c.tabHeight - c.lineHeight) / 2;
    EXPECT_EQ(inactive, QRect(QPoint(8, 2 + v), QPoint(53, 2 + c.tabHeight - v - 1)));
    const int activeV = (c.tabHeight - c.lineHeight + 2) / 2;
    EXPECT_EQ(active, QRect(QPoint(6, activeV), QPoint(55, 2 + c.tabHeight - activeV - 1)));
    EXPECT_EQ(active.top(), inactive.top() - 1);
}

INSTANTIATE_TEST_SUITE_P(Notebook, CaptionPlace,
        ::testing::Values(CaptionCase{ "EvenSpare", 19, 15 }, CaptionCase{ "OddSpare", 20, 15 },
                CaptionCase{ "TallerActiveRow", 25, 15 }),
        lw::test::RowName());

TEST(NotebookGeometry, ACaptionPastTheRightEdgeEndsFourteenPixelsInside)
{
    const TabBox box{ 150, 2, 210, 21 };
    EXPECT_EQ(captionRect(box, 19, 15, false, 206).right() + 1, 204); // R - 6 = W - 2: kept
    EXPECT_EQ(captionRect(box, 19, 15, false, 205).right() + 1, 205 - 14);
    EXPECT_EQ(captionRect(box, 19, 15, true, 208).right() + 1, 206); // grown by 2
    EXPECT_EQ(captionRect(box, 19, 15, true, 207).right() + 1, 207 - 14);
}

TEST(NotebookGeometry, FocusDotsAlternateAroundTheInnerRectangle)
{
    const QList<QPoint> dots = focusRectDots(Box); // (3, 3) - (47, 19) inclusive
    ASSERT_FALSE(dots.isEmpty());
    for (const QPoint &dot : dots) {
        const bool onEdge = dot.x() == 3 || dot.x() == 47 || dot.y() == 3 || dot.y() == 19;
        EXPECT_TRUE(onEdge && dot.x() >= 3 && dot.x() <= 47 && dot.y() >= 3 && dot.y() <= 19)
                << dot.x() << "," << dot.y();
        EXPECT_EQ((dot.x() + dot.y()) % 2, 0);
    }
    // Half of the outline: 2 * 45 + 2 * 15 pixels.
    EXPECT_EQ(dots.size(), (2 * 45 + 2 * 15) / 2);
}

TEST(NotebookGeometry, PlatformLinesLeaveOutTheirLastPoint)
{
    EXPECT_EQ(withoutEndPoint(QPolygon({ { 0, 5 }, { 10, 5 } })), QPolygon({ { 0, 5 }, { 9, 5 } }));
    EXPECT_EQ(withoutEndPoint(QPolygon({ { 4, 9 }, { 4, 0 } })), QPolygon({ { 4, 9 }, { 4, 1 } }));
    EXPECT_EQ(withoutEndPoint(QPolygon({ { 0, 0 }, { 3, 0 }, { 4, 1 } })),
            QPolygon({ { 0, 0 }, { 3, 0 } }));
    EXPECT_EQ(withoutEndPoint(QPolygon({ { 2, 2 }, { 3, 2 } })), QPolygon({ { 2, 2 } }));
    EXPECT_TRUE(withoutEndPoint(QPolygon({ { 2, 2 } })).isEmpty());
}
