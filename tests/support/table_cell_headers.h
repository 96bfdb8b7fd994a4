#pragma once

#include <QAccessible>
#include <QAccessibleInterface>
#include <QStringList>

namespace lw::test {

/// The names of a table cell's column and row headers, as a screen reader hears them.
struct CellHeaders
{
    QStringList columns;
    QStringList rows;
};

inline CellHeaders headersOf(QAccessibleInterface &cell)
{
    CellHeaders names;
    QAccessibleTableCellInterface *place = cell.tableCellInterface();
    if (!place)
        return names;
    const QList<QAccessibleInterface *> columns = place->columnHeaderCells();
    const QList<QAccessibleInterface *> rows = place->rowHeaderCells();
    // Some Qt versions hand header cells to the caller without keeping them; given to the
    // accessibility cache, they are released with everything else it holds.
    for (QAccessibleInterface *header : columns + rows)
        if (QAccessible::uniqueId(header) == 0)
            QAccessible::registerAccessibleInterface(header);
    for (QAccessibleInterface *header : columns)
        names.columns << header->text(QAccessible::Name);
    for (QAccessibleInterface *header : rows)
        names.rows << header->text(QAccessible::Name);
    return names;
}

} // namespace lw::test
