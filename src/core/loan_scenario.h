#pragma once

#include <cstdint>
#include <optional>

#include <QDate>

#include "core/cents.h"
#include "core/schedule.h"
#include "core/value_record.h"

namespace lw::core {

/// A loan as a home buyer weighs it: the calculator's inputs and the companion's. The
/// schedule, the monthly costs and every comparison are derived from it, never kept in it.
struct LoanScenario
{
    Cents price = 0;
    Cents downPayment = 0;
    std::int64_t rate = 0; // annual, ten-thousandths of a percent, as the rate field keeps it
    int payments = 360; // the term in months; the inputs offer 12 to 480
    Cents annualTaxes = 0;
    Cents annualInsurance = 0;
    QDate firstPayment; // the month of the first payment; the day is not used
    ExtraPayments extras;
    std::int64_t mortgageInsuranceRate = 0; // % of the loan a year, scaled as `rate`; 0: none
    Cents monthlyHoa = 0;
    bool cancelOnRequest = true; // the buyer asks the lender to cancel at 80 %
    std::int64_t points = 0; // discount points, % of the loan scaled as `rate`
    Cents lenderFees = 0;
    // The calculator pass's payment before rounding, when this is the calculator's loan: its
    // schedule then repays exactly what the calculator shows. Empty: the payment is computed
    // from the loan, rate and term as the pass computes it.
    std::optional<double> passPayment;

    Cents loan() const { return price - downPayment; }

    friend bool operator==(const LoanScenario &, const LoanScenario &) = default;
};

/// The calculator's last pass as a scenario, its amounts in cents (ties away from zero);
/// nullopt when one is beyond what the fields can hold. The companion's inputs keep their
/// defaults for the caller to fill in.
std::optional<LoanScenario> calculatorScenario(const ValueRecord &record);

/// What the schedule of the scenario is computed from. A payment the pass arithmetic cannot
/// form is not a number, which the schedule reports as out of range.
ScheduleInputs scheduleInputs(const LoanScenario &scenario);

/// The scheduled monthly principal and interest in cents, as the schedule rounds it; nullopt
/// when the payment cannot be formed or is beyond what the fields can hold.
std::optional<Cents> scheduledPayment(const LoanScenario &scenario);

/// The scenario's schedule, with every extra and plan.
Schedule scenarioSchedule(const LoanScenario &scenario);

} // namespace lw::core
