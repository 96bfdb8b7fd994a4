#include "shell/notebook/notebook_geometry.h"

#include <algorithm>

#include "platform/gui/text_prefix.h"

namespace lw::shell {

namespace {

// Room a caption keeps from its tab's sides, and the least width of a tab.
constexpr int CaptionMargin = 6;
constexpr int MinTabWidth = 20;

int sign(int value)
{
    return (value > 0) - (value < 0);
}

} // namespace

int autoTabHeight(int activeLineHeight, int notebookLineHeight, const QList<int> &pageLineHeights)
{
    int tallest = std::max(activeLineHeight, notebookLineHeight);
    for (const int height : pageLineHeights)
        tallest = std::max(tallest, height);
    return tallest + 4;
}

QString shownCaption(const QString &caption)
{
    return lw::platform::applyPrefix(caption).text;
}

QChar acceleratorOf(const QString &caption)
{
    const lw::platform::PrefixedText shown = lw::platform::applyPrefix(caption);
    return shown.underlined.isEmpty() ? QChar() : shown.text.at(shown.underlined.first());
}

int tabWidth(int activeCaptionWidth, int pageCaptionWidth)
{
    return std::max(
            std::max(activeCaptionWidth, pageCaptionWidth) + 2 * CaptionMargin, MinTabWidth);
}

QList<int> tabRows(const QList<int> &widths, int notebookWidth)
{
    const int available = notebookWidth - 4;
    QList<int> rows;
    rows.reserve(widths.size());
    int row = 0;
    int used = 0;
    bool rowEmpty = true;
    for (const int width : widths) {
        if (!rowEmpty && used + width > available) {
            ++row;
            used = 0;
        }
        rows << row;
        used += width;
        rowEmpty = false;
    }
    return rows;
}

int tabRowCount(const QList<int> &rows)
{
    return rows.isEmpty() ? 1 : rows.back() + 1;
}

QRect pageArea(QSize notebook, int rowCount, int tabHeight)
{
    const int top = rowCount * tabHeight + 3;
    return { 1, top, notebook.width() - 3, notebook.height() - top - 2 };
}

int tabStripBottom(int rowCount, int tabHeight)
{
    return TabRowTop + rowCount * tabHeight;
}

QList<TabBox> tabBoxes(const QList<int> &widths, const QList<int> &rows, int tabHeight)
{
    QList<TabBox> boxes;
    boxes.reserve(widths.size());
    int x = 2;
    int row = 0;
    for (qsizetype i = 0; i < widths.size(); ++i) {
        if (rows.at(i) != row) {
            row = rows.at(i);
            x = 2;
        }
        const int top = TabRowTop + row * tabHeight;
        boxes << TabBox{ x, top, x + widths.at(i), top + tabHeight };
        x += widths.at(i);
    }
    return boxes;
}

TabBox grownTabBox(const TabBox &box)
{
    return { box.left - 2, box.top - 2, box.right + 2, box.bottom };
}

QPolygon tabPolygon(const TabBox &b)
{
    return QPolygon(QList<QPoint>{ { b.left, b.bottom }, { b.left, b.top + 2 },
            { b.left + 2, b.top }, { b.right - 4, b.top }, { b.right - 2, b.top + 2 },
            { b.right - 2, b.bottom } });
}

TabEdgeLines tabEdgeLines(const TabBox &b)
{
    TabEdgeLines lines;
    lines.highlight = QPolygon(QList<QPoint>{ { b.left, b.bottom - 1 }, { b.left, b.top + 2 },
            { b.left + 2, b.top }, { b.right - 2, b.top } });
    lines.black = QPolygon(QList<QPoint>{
            { b.right - 2, b.top + 1 }, { b.right - 1, b.top + 2 }, { b.right - 1, b.bottom } });
    lines.shadow = QPolygon(QList<QPoint>{ { b.right - 2, b.top + 2 }, { b.right - 2, b.bottom } });
    return lines;
}

PageFrameLines pageFrameLines(const TabBox *activeGrownBox, QSize notebook, int stripBottom)
{
    const int w = notebook.width();
    const int h = notebook.height();
    const int y = stripBottom;
    PageFrameLines frame;
    // Without an active tab the top line runs unbroken from the right end.
    const int openLeft = activeGrownBox ? activeGrownBox->left : w - 2;
    frame.highlightLeft = QPolygon(QList<QPoint>{ { openLeft, y }, { 0, y }, { 0, h - 1 } });
    if (activeGrownBox) {
        const int openRight = activeGrownBox->right - 1;
        frame.opening = QPolygon(QList<QPoint>{ { openLeft + 1, y }, { openRight, y } });
        frame.highlightRight = QPolygon(QList<QPoint>{ { openRight, y }, { w - 2, y } });
    }
    frame.black = QPolygon(QList<QPoint>{ { 0, h - 1 }, { w - 1, h - 1 }, { w - 1, y - 1 } });
    frame.shadow = QPolygon(QList<QPoint>{ { 1, h - 2 }, { w - 2, h - 2 }, { w - 2, y - 1 } });
    return frame;
}

QRect captionRect(const TabBox &box, int tabHeight, int lineHeight, bool active, int notebookWidth)
{
    const TabBox drawn = active ? grownTabBox(box) : box;
    // Truncating division, as the rule is stated; the active tab's extra 2 pixels of height
    // count half.
    const int v = active ? (tabHeight - lineHeight + 2) / 2 : (tabHeight - lineHeight) / 2;
    const int left = drawn.left + CaptionMargin;
    int right = drawn.right - CaptionMargin;
    // A tab running past the notebook's right edge keeps its caption clear of the frame.
    if (right > notebookWidth - 2)
        right = notebookWidth - 14;
    const int top = drawn.top + v;
    const int bottom = drawn.bottom - v;
    return { left, top, right - left, bottom - top };
}

QList<QPoint> focusRectDots(const TabBox &box)
{
    const QRect r(QPoint(box.left + 1, box.top + 1), QPoint(box.right - 3, box.bottom - 3));
    QList<QPoint> dots;
    if (r.isEmpty())
        return dots;
    auto dot = [&dots](int x, int y) {
        if ((x + y) % 2 == 0)
            dots << QPoint(x, y);
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        dot(x, r.top());
        if (r.bottom() != r.top())
            dot(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        dot(r.left(), y);
        if (r.right() != r.left())
            dot(r.right(), y);
    }
    return dots;
}

QPolygon withoutEndPoint(const QPolygon &line)
{
    QPolygon out = line;
    if (out.size() < 2)
        return {};
    const QPoint last = out.back();
    const QPoint before = out.at(out.size() - 2);
    const QPoint shortened(
            last.x() - sign(last.x() - before.x()), last.y() - sign(last.y() - before.y()));
    if (shortened == before)
        out.removeLast();
    else
        out.back() = shortened;
    return out;
}

} // namespace lw::shell
