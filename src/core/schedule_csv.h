#pragma once

#include <QByteArray>

#include "core/monthly_costs.h"
#include "core/schedule.h"

namespace lw::core {

/// The schedule as CSV that spreadsheets import the same in every locale: a header row, one
/// row a payment, ISO dates, amounts with "." and two decimals and no grouping, CR LF line
/// ends (RFC 4180).
QByteArray scheduleCsv(const Schedule &schedule);

/// The same with the monthly costs (one for each row) in columns after the schedule's.
QByteArray scheduleCsv(const Schedule &schedule, const MonthlyCosts &costs);

} // namespace lw::core
