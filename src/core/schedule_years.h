#pragma once

#include <vector>

#include "core/monthly_costs.h"
#include "core/schedule.h"

namespace lw::core {

/// How the months are grouped into years.
enum class YearGrouping {
    Calendar, // January to December; the first and last year may be short
    Loan, // twelve payments from the first on
};

/// The months of one year, summed.
struct ScheduleYear
{
    int year = 0; // the calendar year, or the loan year counted from 1
    int firstNumber = 0;
    int lastNumber = 0;
    Cents payment = 0;
    Cents interest = 0;
    Cents principal = 0;
    Cents extra = 0;
    Cents balance = 0; // after the year's last payment
};

/// The schedule's rows summed by year, in order.
std::vector<ScheduleYear> yearlyTotals(const std::vector<ScheduleRow> &rows, YearGrouping grouping);

/// The monthly costs of one year, summed; `year` as in ScheduleYear.
struct CostYear
{
    int year = 0;
    MonthlyCost costs;
};

/// The costs of the schedule's rows (one each) summed by year, in the order of yearlyTotals.
std::vector<CostYear> yearlyCosts(const std::vector<ScheduleRow> &rows,
        const std::vector<MonthlyCost> &costs, YearGrouping grouping);

} // namespace lw::core
