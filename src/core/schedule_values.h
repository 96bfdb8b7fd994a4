#pragma once

#include <cstdint>

#include <QDate>
#include <QRect>

#include "core/schedule.h"
#include "platform/file_store.h"
#include "platform/locale_info.h"
#include "platform/profile_file.h"

namespace lw::core {

/// The schedule window's inputs, kept in the settings file in a section of their own.
struct ScheduleValues
{
    ExtraPayments extras; // the one-time extras: those of oneTimeText that read
    QDate firstPayment; // invalid: the month after the current one
    int view = 0; // by month, by calendar year, by loan year
    QString oneTimeText; // the one-time extras as typed, kept even where they do not read
    QRect window; // where the window was: its frame's top left, its inside's size; or empty
    std::int64_t mortgageInsuranceRate = 0; // % of the loan a year, as LoanScenario keeps it
    Cents monthlyHoa = 0;
    bool cancelOnRequest = true;

    friend bool operator==(const ScheduleValues &, const ScheduleValues &) = default;
};

/// Reads the schedule's section of the settings file at `path`; a missing or unreadable
/// file, section, key or value gives that value's default, silently.
ScheduleValues loadScheduleValues(
        const QString &path, const platform::FileStore &files, const platform::LocaleInfo &locale);

/// Writes the schedule's section into the settings being saved, leaving every other section
/// alone; given `asRead`, the values as this copy loaded them, an entry that has not changed
/// since keeps what the file holds now (see writeChanged). False when an entry cannot be
/// written.
bool writeScheduleValues(platform::ProfileFile &settings, const ScheduleValues &values,
        const platform::LocaleInfo &locale, const ScheduleValues *asRead = nullptr);

} // namespace lw::core
