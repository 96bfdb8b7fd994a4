#include "core/cost_summary.h"

#include "core/money_text.h"
#include "core/schedule_summary.h"

namespace lw::core {

namespace {

QString amount(Cents cents, const platform::LocaleInfo &locale)
{
    return money(toAmount(cents), locale);
}

QString paymentLine(const FirstPayment &p, const platform::LocaleInfo &locale)
{
    QString line = u"Your payment is " + amount(p.total, locale)
            + u" a month: principal and interest " + amount(p.principalAndInterest, locale);
    const std::pair<const char16_t *, Cents> parts[] = { { u"taxes", p.taxes },
        { u"insurance", p.insurance }, { u"mortgage insurance", p.mortgageInsurance },
        { u"HOA dues", p.hoa } };
    for (const auto &[name, cents] : parts)
        if (cents != 0)
            line += u", " + QString::fromUtf16(name) + u' ' + amount(cents, locale);
    return line + u'.';
}

QString reasonText(InsuranceEnd reason)
{
    switch (reason) {
    case InsuranceEnd::Scheduled:
        return QStringLiteral("when the balance is scheduled to reach 78 % of the price");
    case InsuranceEnd::MidTerm:
        return QStringLiteral("at the middle of the term");
    case InsuranceEnd::Repaid:
        return QStringLiteral("when the loan is repaid");
    case InsuranceEnd::OnRequest:
    case InsuranceEnd::None:
        break;
    }
    return {};
}

QString when(const InsuranceEnding &end, const QLocale &dates)
{
    return u"with payment " + QString::number(end.lastPayment) + u" ("
            + monthYear(end.lastMonth, dates) + u')';
}

QStringList insuranceLines(
        const MortgageInsuranceFacts &mi, const platform::LocaleInfo &locale, const QLocale &dates)
{
    const QString premium = u"Mortgage insurance of " + amount(mi.premium, locale) + u" a month";
    const QString automatic = u"ends by itself " + when(mi.automatic, dates) + u", "
            + reasonText(mi.automatic.reason) + u": " + amount(mi.automatic.total, locale)
            + u" in all";
    if (mi.onRequest.reason != InsuranceEnd::OnRequest)
        return { premium + u' ' + automatic + u"; asking your lender cannot end it sooner." };
    return { premium + u" ends " + when(mi.onRequest, dates)
                + u" if you ask your lender to cancel it at 80 % of the price: "
                + amount(mi.onRequest.total, locale) + u" in all.",
        u"If you do not ask, it " + automatic + u'.' };
}

} // namespace

QStringList costSummary(
        const MonthlyCosts &costs, const platform::LocaleInfo &locale, const QLocale &dates)
{
    if (costs.rows.empty())
        return {};
    QStringList lines{ paymentLine(costs.firstPayment, locale) };
    const MortgageInsuranceFacts &mi = costs.mortgageInsurance;
    if (mi.automatic.reason != InsuranceEnd::None)
        lines << insuranceLines(mi, locale, dates);
    if (mi.rateMissing)
        lines << QStringLiteral("The loan is above 80 % of the price, so lenders usually charge "
                                "mortgage insurance: enter its rate, % of the loan a year, in the "
                                "Mortgage insurance field.");
    lines << u"Every payment over the loan, with escrow, mortgage insurance and HOA dues: "
                    + amount(costs.totals.paid, locale) + u'.';
    return lines;
}

} // namespace lw::core
