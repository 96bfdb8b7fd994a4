#include "shell/schedule/schedule_printout.h"

#include <algorithm>

#include <QAbstractItemModel>
#include <QPagedPaintDevice>
#include <QPainter>

namespace lw::shell {

namespace {

constexpr int PageHeadLines = 3; // header line, blank, column headers

// The table's columns share the width equally, the row header first.
struct Sheet
{
    QPainter &painter;
    QRect page;
    int line = 0;
    const QAbstractItemModel &table;
    const QStringList &summary;
    const QString &rowHeading;
    PrintPages pages;

    QRect lineRect(int index) const
    {
        return { page.left(), page.top() + index * line, page.width(), line };
    }

    void drawRow(int index, const QString &header, int row, bool bold) const
    {
        const int columns = table.columnCount() + 1;
        const int width = page.width() / columns;
        QFont font = painter.font();
        font.setBold(bold);
        painter.setFont(font);
        const QRect r = lineRect(index);
        painter.drawText(QRect(r.left(), r.top(), width, line), Qt::AlignLeft, header);
        for (int c = 1; c < columns; ++c) {
            const QString text = row < 0
                    ? table.headerData(c - 1, Qt::Horizontal, Qt::DisplayRole).toString()
                    : table.index(row, c - 1).data().toString();
            painter.drawText(
                    QRect(r.left() + c * width, r.top(), width - 4, line), Qt::AlignRight, text);
        }
    }

    void drawPage(int number, int count, int firstRow, int rows) const
    {
        painter.drawText(lineRect(0), Qt::AlignLeft, QStringLiteral("Amortization Schedule"));
        painter.drawText(lineRect(0), Qt::AlignRight,
                u"Page " + QString::number(number) + u" of " + QString::number(count));
        int at = 2;
        if (number == 1) {
            for (const QString &text : summary)
                painter.drawText(lineRect(at++), Qt::AlignLeft, text);
            ++at;
        }
        drawRow(at++, rowHeading, -1, true);
        for (int row = firstRow; row < firstRow + rows; ++row)
            drawRow(at++, table.headerData(row, Qt::Vertical, Qt::DisplayRole).toString(), row,
                    false);
    }
};

} // namespace

int PrintPages::rowsOnFirstPage() const
{
    return std::max(0, linesPerPage - PageHeadLines - summaryLines - 1);
}

int PrintPages::rowsPerPage() const
{
    return std::max(1, linesPerPage - PageHeadLines);
}

int PrintPages::pageCount(int rows) const
{
    const int rest = std::max(0, rows - rowsOnFirstPage());
    return 1 + (rest + rowsPerPage() - 1) / rowsPerPage();
}

int printSchedule(QPagedPaintDevice &device, const QStringList &summary, const QString &rowHeading,
        const QAbstractItemModel &table)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    painter.setFont(QFont(QStringLiteral("Arial"), 9));
    const int line = painter.fontMetrics().lineSpacing();
    const QRect page(
            QPoint(0, 0), device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    const Sheet sheet{ painter, page, line, table, summary, rowHeading,
        PrintPages{ page.height() / line, static_cast<int>(summary.size()) } };
    const int rows = table.rowCount();
    const int count = sheet.pages.pageCount(rows);
    int first = 0;
    for (int number = 1; number <= count; ++number) {
        if (number > 1)
            device.newPage();
        const int fit = number == 1 ? sheet.pages.rowsOnFirstPage() : sheet.pages.rowsPerPage();
        const int shown = std::min(fit, rows - first);
        sheet.drawPage(number, count, first, shown);
        first += shown;
    }
    painter.end();
    return count;
}

} // namespace lw::shell
