#pragma once

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "core/schedule.h"
#include "platform/locale_info.h"

namespace lw::core {

/// One entry of a one-time extras text as the user typed it.
struct OneTimeEntry
{
    int position = 0; // 1 for the first entry that is not blank
    QString text; // without the blanks around it
    std::optional<OneTimeExtra> extra; // nullopt: not a "number=amount" pair

    friend bool operator==(const OneTimeEntry &, const OneTimeEntry &) = default;
};

/// The entries of a one-time extras text: "number=amount" pairs separated by ";", the
/// amount with the locale's decimal separator and no grouping ("12=5000; 60=2500.50").
/// Blank entries are skipped; a number below 1 or a negative amount does not read.
std::vector<OneTimeEntry> oneTimeEntries(QStringView text, const platform::LocaleInfo &locale);

/// The extras of the entries that read, in order.
std::vector<OneTimeExtra> readableExtras(const std::vector<OneTimeEntry> &entries);

/// A line for every entry the schedule leaves out: one that does not read, and one whose
/// payment comes after the schedule's last.
QStringList oneTimeEntryNotes(const std::vector<OneTimeEntry> &entries, const Schedule &schedule);

} // namespace lw::core
