#include "core/schedule_csv.h"

#include <cstdlib>

namespace lw::core {

namespace {

// No field holds a comma, quote or line break, so none needs quoting.
constexpr char Header[] = "Number,Date,Payment,Interest,Principal,Extra,Balance\r\n";

void appendAmount(QByteArray &line, Cents cents)
{
    if (cents < 0)
        line += '-';
    const Cents magnitude = std::llabs(cents);
    line += QByteArray::number(magnitude / 100);
    line += '.';
    line += QByteArray::number(magnitude % 100).rightJustified(2, '0');
}

} // namespace

QByteArray scheduleCsv(const Schedule &schedule)
{
    QByteArray csv(Header);
    for (const ScheduleRow &row : schedule.rows) {
        csv += QByteArray::number(row.number);
        // The day is the month's first: a full ISO date is what spreadsheets read as a date.
        csv += ',' + row.date.toString(Qt::ISODate).toLatin1();
        for (const Cents amount :
                { row.payment, row.interest, row.principal, row.extra, row.balance }) {
            csv += ',';
            appendAmount(csv, amount);
        }
        csv += "\r\n";
    }
    return csv;
}

} // namespace lw::core
