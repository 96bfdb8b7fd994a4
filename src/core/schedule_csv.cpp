#include "core/schedule_csv.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

namespace lw::core {

namespace {

// No field holds a comma, quote or line break, so none needs quoting.
constexpr char Header[] = "Number,Date,Payment,Interest,Principal,Extra,Balance";
constexpr char CostHeader[] = ",Taxes,Insurance,Mortgage insurance,HOA,Total";

void appendAmount(QByteArray &line, Cents cents)
{
    if (cents < 0)
        line += '-';
    const Cents magnitude = std::llabs(cents);
    line += QByteArray::number(magnitude / 100);
    line += '.';
    line += QByteArray::number(magnitude % 100).rightJustified(2, '0');
}

void appendAmounts(QByteArray &line, std::initializer_list<Cents> amounts)
{
    for (const Cents amount : amounts) {
        line += ',';
        appendAmount(line, amount);
    }
}

void appendRow(QByteArray &csv, const ScheduleRow &row)
{
    csv += QByteArray::number(row.number);
    // The day is the month's first: a full ISO date is what spreadsheets read as a date.
    csv += ',' + row.date.toString(Qt::ISODate).toLatin1();
    appendAmounts(csv, { row.payment, row.interest, row.principal, row.extra, row.balance });
}

} // namespace

QByteArray scheduleCsv(const Schedule &schedule)
{
    QByteArray csv(Header);
    csv += "\r\n";
    for (const ScheduleRow &row : schedule.rows) {
        appendRow(csv, row);
        csv += "\r\n";
    }
    return csv;
}

QByteArray scheduleCsv(const Schedule &schedule, const MonthlyCosts &costs)
{
    QByteArray csv(Header);
    csv += CostHeader;
    csv += "\r\n";
    const std::size_t count = std::min(schedule.rows.size(), costs.rows.size());
    for (std::size_t i = 0; i < count; ++i) {
        const MonthlyCost &c = costs.rows[i];
        appendRow(csv, schedule.rows[i]);
        appendAmounts(csv, { c.taxes, c.insurance, c.mortgageInsurance, c.hoa, c.total });
        csv += "\r\n";
    }
    return csv;
}

} // namespace lw::core
