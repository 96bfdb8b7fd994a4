#include "core/schedule_summary.h"

#include "core/money_text.h"

namespace lw::core {

namespace {

QString amount(Cents cents, const platform::LocaleInfo &locale)
{
    return money(toAmount(cents), locale);
}

QString whyNoSchedule(const Schedule &s)
{
    switch (s.status) {
    case ScheduleStatus::NoLoan:
        return QStringLiteral("There is no loan to repay.");
    case ScheduleStatus::OutOfRange:
        return QStringLiteral("The loan, rate or payment is too large for a schedule.");
    case ScheduleStatus::NegativeAmortization:
        return u"Payment " + QString::number(s.failingPayment)
                + (s.failingCoversInterest ? QStringLiteral(" repays no principal")
                                           : QStringLiteral(" does not cover its month's interest"))
                + u": the loan would never be repaid.";
    case ScheduleStatus::Complete:
        break;
    }
    return {};
}

} // namespace

QString monthYear(const QDate &date, const QLocale &dates)
{
    return dates.toString(date, QStringLiteral("MMM yyyy"));
}

QStringList scheduleSummary(
        const Schedule &s, const platform::LocaleInfo &locale, const QLocale &dates)
{
    if (s.status != ScheduleStatus::Complete)
        return { whyNoSchedule(s) };
    const ScheduleTotals &t = s.totals;
    QStringList lines{
        u"Monthly payment (principal and interest): " + amount(s.scheduledPayment, locale),
        u"Total interest: " + amount(t.interest, locale) + u"    Total principal: "
                + amount(t.principal, locale) + u"    Total paid: " + amount(t.paid, locale),
        u"Payments: " + QString::number(t.payments) + u"    Paid off: "
                + monthYear(s.rows.back().date, dates),
    };
    if (s.paymentsSaved != 0 || s.interestSaved != 0)
        lines << u"The extra payments save " + QString::number(s.paymentsSaved)
                        + (s.paymentsSaved == 1 ? QStringLiteral(" payment and ")
                                                : QStringLiteral(" payments and "))
                        + amount(s.interestSaved, locale) + u" in interest.";
    return lines;
}

} // namespace lw::core
