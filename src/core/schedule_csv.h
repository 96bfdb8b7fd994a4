#pragma once

#include <QByteArray>

#include "core/schedule.h"

namespace lw::core {

/// The schedule as CSV that spreadsheets import the same in every locale: a header row, one
/// row a payment, ISO dates, amounts with "." and two decimals and no grouping, CR LF line
/// ends (RFC 4180).
QByteArray scheduleCsv(const Schedule &schedule);

} // namespace lw::core
