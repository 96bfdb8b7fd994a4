#pragma once

#include <QStringList>

class QAbstractItemModel;
class QPagedPaintDevice;

namespace lw::shell {

/// Lines a page holds: every page starts with the header line, a blank line and the column
/// headers; the first page then has the summary and a blank line before the table.
struct PrintPages
{
    int linesPerPage = 0;
    int summaryLines = 0;

    int rowsOnFirstPage() const;
    int rowsPerPage() const;
    /// Pages for `rows` table rows; at least one, with the summary.
    int pageCount(int rows) const;
};

/// Prints the title with page numbers, the summary and the table's every row, paged, the
/// rows' own headers under `rowHeading`. Returns the pages printed, or 0 when the device
/// could not be painted on.
int printSchedule(QPagedPaintDevice &device, const QStringList &summary, const QString &rowHeading,
        const QAbstractItemModel &table);

} // namespace lw::shell
