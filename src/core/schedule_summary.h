#pragma once

#include <QLocale>
#include <QStringList>

#include "core/schedule.h"
#include "platform/locale_info.h"

namespace lw::core {

/// A payment's month in the locale's short month-and-year form ("Jan 2027").
QString monthYear(const QDate &date, const QLocale &dates);

/// The schedule in a few lines a home buyer reads first: the payment, the totals, the
/// payoff month and, with extras, what they save; or why there is no schedule.
QStringList scheduleSummary(
        const Schedule &schedule, const platform::LocaleInfo &money, const QLocale &dates);

} // namespace lw::core
