#pragma once

#include <QLocale>
#include <QPageSize>
#include <QStringList>

#include "core/schedule_values.h"
#include "core/value_record.h"
#include "platform/locale_info.h"

namespace lw::shell {

/// The lines that say on paper which loan a schedule is of: the price, down payment,
/// loan, rate, term, first payment month and the extras as entered.
QStringList printedLoan(const core::ValueRecord &pass, const core::ScheduleValues &choices,
        const platform::LocaleInfo &money, const QLocale &dates);

/// Letter where the locale measures in inches, A4 everywhere else.
QPageSize::PageSizeId paperFor(QLocale::MeasurementSystem measures);

} // namespace lw::shell
