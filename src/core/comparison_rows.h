#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include "core/offer_comparison.h"
#include "platform/locale_info.h"

namespace lw::core {

/// What a row's values count.
enum class RowUnit {
    Money, // cents
    Percent, // thousandths of a percent
    Payment, // a payment's number; 0: none
    BreakEven, // months until the extra points are repaid
};

/// One offer's value in a row.
struct ComparisonCell
{
    std::optional<std::int64_t> value; // empty: the loan has no such figure
    QDate month; // the payment's month, for a Payment row
    bool never = false; // a BreakEven row: not within the term
    bool best = false;
    std::optional<std::int64_t> difference; // to the first offer's value
};

/// One figure across the offers.
struct ComparisonRow
{
    QString label;
    RowUnit unit = RowUnit::Money;
    std::vector<ComparisonCell> cells;
};

/// The comparison as rows, one cell an offer. Where offers differ, the best values of a
/// row with a better end are marked.
std::vector<ComparisonRow> comparisonRows(const Comparison &comparison);

/// A cell as the buyer reads it, in the locale's money format.
QString cellText(RowUnit unit, const ComparisonCell &cell, const platform::LocaleInfo &locale);

/// The difference to the first offer, signed; empty where there is none to show.
QString differenceText(
        RowUnit unit, const ComparisonCell &cell, const platform::LocaleInfo &locale);

/// The rows as CSV: a header with the offers' names, then the label and a plain number for
/// each offer ("." and no grouping; empty where there is none), CR LF line ends.
QByteArray comparisonCsv(const QStringList &names, const std::vector<ComparisonRow> &rows);

} // namespace lw::core
