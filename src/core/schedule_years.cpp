#include "core/schedule_years.h"

#include <algorithm>

namespace lw::core {

namespace {

int yearOf(const ScheduleRow &row, YearGrouping grouping)
{
    return grouping == YearGrouping::Calendar ? row.date.year() : (row.number - 1) / 12 + 1;
}

} // namespace

std::vector<ScheduleYear> yearlyTotals(const std::vector<ScheduleRow> &rows, YearGrouping grouping)
{
    std::vector<ScheduleYear> years;
    for (const ScheduleRow &row : rows) {
        const int year = yearOf(row, grouping);
        if (years.empty() || years.back().year != year)
            years.push_back({ year, row.number, row.number, 0, 0, 0, 0, 0 });
        ScheduleYear &y = years.back();
        y.lastNumber = row.number;
        y.payment += row.payment;
        y.interest += row.interest;
        y.principal += row.principal;
        y.extra += row.extra;
        y.balance = row.balance;
    }
    return years;
}

std::vector<CostYear> yearlyCosts(const std::vector<ScheduleRow> &rows,
        const std::vector<MonthlyCost> &costs, YearGrouping grouping)
{
    std::vector<CostYear> years;
    const std::size_t count = std::min(rows.size(), costs.size());
    for (std::size_t i = 0; i < count; ++i) {
        const int year = yearOf(rows[i], grouping);
        if (years.empty() || years.back().year != year)
            years.push_back({ year, {} });
        MonthlyCost &sum = years.back().costs;
        sum.taxes += costs[i].taxes;
        sum.insurance += costs[i].insurance;
        sum.mortgageInsurance += costs[i].mortgageInsurance;
        sum.hoa += costs[i].hoa;
        sum.total += costs[i].total;
    }
    return years;
}

} // namespace lw::core
