#pragma once

#include <QList>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <QString>

// Where the notebook's tabs, captions and page frame go: pure arithmetic on sizes and font
// metrics, so that the widget only measures and paints.

namespace lw::shell {

/// A tab's box as the platform states rectangles: right and bottom are exclusive edges, and
/// the drawing rules use all four edges as coordinates.
struct TabBox
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    /// The pixels the box covers.
    QRect toRect() const { return { left, top, right - left, bottom - top }; }

    bool isEmpty() const { return right <= left || bottom <= top; }

    bool operator==(const TabBox &) const = default;
};

/// The page frame around the shown page; the opening is the stretch under the active tab,
/// painted in the page's colour.
struct PageFrameLines
{
    QPolygon highlightLeft;
    QPolygon highlightRight;
    QPolygon opening;
    QPolygon black;
    QPolygon shadow;
};

/// The edges of one tab.
struct TabEdgeLines
{
    QPolygon highlight;
    QPolygon black;
    QPolygon shadow;
};

/// Top of the first tab row, in pixels from the notebook's top edge.
inline constexpr int TabRowTop = 2;

/// The tab height until fonts have been measured.
inline constexpr int DefaultTabHeight = 20;

/// The automatic tab height: the tallest of the fonts' line heights, plus 4 pixels.
int autoTabHeight(int activeLineHeight, int notebookLineHeight, const QList<int> &pageLineHeights);

/// The caption as drawn: each "&" marks the next letter and is not shown, "&&" shows one "&".
QString shownCaption(const QString &caption);

/// The accelerator letter of a caption (the letter after a single "&"), or a null QChar.
QChar acceleratorOf(const QString &caption);

/// A visible tab's width: its widest caption measurement plus 12 pixels, at least 20.
int tabWidth(int activeCaptionWidth, int pageCaptionWidth);

/// The row of each tab: a row takes at least one tab and then more while they fit into the
/// notebook's width less 4 pixels.
QList<int> tabRows(const QList<int> &widths, int notebookWidth);

/// Rows used by the tabs; 1 when there are none.
int tabRowCount(const QList<int> &rows);

/// Where the pages go inside a notebook of the given size.
QRect pageArea(QSize notebook, int rowCount, int tabHeight);

/// The bottom of the tab rows, where the page frame's top line runs.
int tabStripBottom(int rowCount, int tabHeight);

/// Each tab's box: rows run left to right from x = 2, stacked from y = 2.
QList<TabBox> tabBoxes(const QList<int> &widths, const QList<int> &rows, int tabHeight);

/// The active tab is drawn 2 pixels larger to the left, right and top.
TabBox grownTabBox(const TabBox &box);

/// The tab's outline with 2-pixel chamfered top corners, filled in its tab colour.
QPolygon tabPolygon(const TabBox &box);

/// The highlight (left and top), black (outer right) and shadow (inner right) edges.
TabEdgeLines tabEdgeLines(const TabBox &box);

/// The frame below the tab strip; without an active tab the top line has no opening.
PageFrameLines pageFrameLines(const TabBox *activeGrownBox, QSize notebook, int stripBottom);

/// The rectangle a caption is centred in. For the active tab pass its stored box: the rule
/// grows it and drops the caption by one pixel less. lineHeight is that of the caption's font.
QRect captionRect(const TabBox &box, int tabHeight, int lineHeight, bool active, int notebookWidth);

/// The pixels of the dotted focus rectangle inside the active tab's stored box.
QList<QPoint> focusRectDots(const TabBox &box);

/// A line as the platform draws it: the last point is left out (a one-pixel line keeps a
/// single point).
QPolygon withoutEndPoint(const QPolygon &line);

} // namespace lw::shell
