#include "core/loan_scenario.h"

#include <limits>

#include "core/math_error.h"
#include "core/payment.h"

namespace lw::core {

namespace {

constexpr std::int32_t MonthlyPeriods = 6; // the pass's period kind: twelve payments a year

double ratePercent(std::int64_t scaledRate)
{
    // Both are exact doubles, so the quotient is the double nearest the typed rate, the one
    // the rate field itself holds.
    return static_cast<double>(scaledRate) / static_cast<double>(RateScale);
}

double paymentOf(const LoanScenario &s)
{
    if (s.passPayment)
        return *s.passPayment;
    try {
        return static_cast<double>(
                CalcPayment(toAmount(s.loan()), ratePercent(s.rate), s.payments, MonthlyPeriods));
    } catch (const MathError &) {
        return std::numeric_limits<double>::quiet_NaN();
    }
}

} // namespace

std::optional<LoanScenario> calculatorScenario(const ValueRecord &record)
{
    const auto price = toCents(record.FSalesPrice);
    const auto down = toCents(record.FDownPayment);
    const auto rate = toScaledRate(record.FInterestRate);
    const auto taxes = toCents(record.FAnnualTaxes);
    const auto insurance = toCents(record.FAnnualInsurance);
    if (!price || !down || !rate || !taxes || !insurance)
        return std::nullopt;
    LoanScenario s;
    s.price = *price;
    s.downPayment = *down;
    s.rate = *rate;
    s.payments = record.FTerm * 12;
    s.annualTaxes = *taxes;
    s.annualInsurance = *insurance;
    s.passPayment = record.FMonthlyPI;
    return s;
}

ScheduleInputs scheduleInputs(const LoanScenario &s)
{
    ScheduleInputs in;
    in.loan = toAmount(s.loan());
    in.annualRate = ratePercent(s.rate);
    in.payments = s.payments;
    in.monthlyPI = paymentOf(s);
    in.firstPayment = s.firstPayment;
    in.extras = s.extras;
    return in;
}

std::optional<Cents> scheduledPayment(const LoanScenario &s)
{
    return toCents(paymentOf(s));
}

Schedule scenarioSchedule(const LoanScenario &s)
{
    return computeSchedule(scheduleInputs(s));
}

} // namespace lw::core
