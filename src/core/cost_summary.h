#pragma once

#include <QLocale>
#include <QStringList>

#include "core/monthly_costs.h"
#include "platform/locale_info.h"

namespace lw::core {

/// The monthly costs in the lines a home buyer reads first: the first month's whole payment
/// with its parts that are not zero, when mortgage insurance ends on request and by itself
/// and what it costs, a note when a loan above 80 % of the price has no insurance rate, and
/// the total of every payment. Nothing for a schedule without rows.
QStringList costSummary(
        const MonthlyCosts &costs, const platform::LocaleInfo &money, const QLocale &dates);

} // namespace lw::core
