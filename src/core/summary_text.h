#pragma once

#include <QString>

#include "platform/locale_info.h"

namespace lw::core {

/// What the buyer pays over the whole term, as the summary sentences state it.
struct TermTotals
{
    double interest = 0;
    double taxes = 0;
    double insurance = 0;
    double cost = 0;
};

/// The three lines of the summary; together they read as one sentence without a full stop.
struct SummarySentences
{
    QString line1;
    QString line2;
    QString line3;
};

SummarySentences summarize(
        int termYears, const TermTotals &totals, const platform::LocaleInfo &locale);

} // namespace lw::core
