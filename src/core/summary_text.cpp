#include "core/summary_text.h"

#include "core/money_text.h"

namespace lw::core {

SummarySentences summarize(
        int termYears, const TermTotals &totals, const platform::LocaleInfo &locale)
{
    SummarySentences s;
    s.line1 = QStringLiteral("During the ") + QString::number(termYears)
            + QStringLiteral(" years of your mortgage loan you will pay a total of");
    s.line2 = money(totals.interest, locale) + QStringLiteral(" in interest, ")
            + money(totals.taxes, locale) + QStringLiteral(" in taxes and ")
            + money(totals.insurance, locale) + QStringLiteral(" in");
    s.line3 =
            QStringLiteral("insurance premiums, for a total cost of ") + money(totals.cost, locale);
    return s;
}

} // namespace lw::core
