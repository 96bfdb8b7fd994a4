#include "shell/schedule/printed_loan.h"

#include "core/money_text.h"
#include "core/schedule_summary.h"
#include "core/value_text.h"

namespace lw::shell {

namespace {

QString extrasLine(const core::ScheduleValues &choices, const platform::LocaleInfo &money,
        const QLocale &dates)
{
    QStringList parts;
    if (choices.extras.monthly > 0)
        parts << u"Extra every month: " + core::money(core::toAmount(choices.extras.monthly), money)
                        + u" from payment " + QString::number(choices.extras.monthlyFrom);
    if (!choices.oneTimeText.trimmed().isEmpty())
        parts << u"One-time extras: " + choices.oneTimeText.trimmed();
    const core::YearlyExtra &yearly = choices.extras.yearly;
    if (yearly.amount > 0)
        parts << u"Extra every year: " + core::money(core::toAmount(yearly.amount), money) + u" in "
                        + dates.standaloneMonthName(yearly.month)
                        + (yearly.fromYear > 0 ? u" from " + QString::number(yearly.fromYear)
                                               : QString());
    if (choices.extras.biweekly)
        parts << QStringLiteral("Bi-weekly payments");
    return parts.isEmpty() ? QStringLiteral("Extra payments: none") : parts.join(u"    ");
}

QString costsLine(const core::ScheduleValues &choices, const platform::LocaleInfo &money)
{
    const QString insurance = choices.mortgageInsuranceRate == 0
            ? QStringLiteral("none")
            : core::floatText(static_cast<double>(choices.mortgageInsuranceRate)
                              / static_cast<double>(core::RateScale),
                      money)
                    + (choices.cancelOnRequest
                                    ? u" % of the loan a year, cancelled on request at 80 %"
                                    : u" % of the loan a year, not cancelled on request");
    return u"Mortgage insurance: " + insurance + u"    HOA dues: "
            + core::money(core::toAmount(choices.monthlyHoa), money) + u" a month";
}

} // namespace

QStringList printedLoan(const core::ValueRecord &pass, const core::ScheduleValues &choices,
        const platform::LocaleInfo &money, const QLocale &dates)
{
    return {
        u"Price: " + core::money(pass.FSalesPrice, money) + u"    Down payment: "
                + core::money(pass.FDownPayment, money) + u"    Loan: "
                + core::money(pass.FActualLoan, money),
        u"Rate: " + core::floatText(pass.FInterestRate, money) + u" %    Term: "
                + QString::number(pass.FTerm) + u" years    First payment: "
                + core::monthYear(choices.firstPayment, dates),
        extrasLine(choices, money, dates),
        costsLine(choices, money),
    };
}

QPageSize::PageSizeId paperFor(QLocale::MeasurementSystem measures)
{
    return measures == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

} // namespace lw::shell
