#include "core/schedule.h"

#include <algorithm>

namespace lw::core {

namespace {

constexpr int MaxPayments = 1200; // a century of months, far beyond the terms offered

struct Terms
{
    Cents loan = 0;
    std::int64_t rate = 0; // ten-thousandths of a percent
    Cents payment = 0;
    int count = 0;
};

// A payment's month as numbers: every year or month read from a date is a calendar
// conversion, which would cost more than the month's arithmetic.
// Month 0, from an invalid first month, stays 0: every row's date is invalid, as it was.
struct PaymentMonth
{
    int year = 0;
    int month = 1;

    QDate date() const { return { year, month, 1 }; }

    void advance()
    {
        if (month != 0 && ++month > 12) {
            month = 1;
            ++year;
        }
    }
};

Cents extraFor(
        const ExtraPayments &extras, const Terms &terms, int number, const PaymentMonth &when)
{
    Cents extra = number >= extras.monthlyFrom ? extras.monthly : 0;
    for (const OneTimeExtra &once : extras.oneTime)
        if (once.number == number)
            extra += once.amount;
    if (when.month == extras.yearly.month && when.year >= extras.yearly.fromYear)
        extra += extras.yearly.amount;
    if (extras.biweekly)
        extra += twelfth(terms.payment);
    return extra;
}

ScheduleRow nextRow(const Terms &terms, const ExtraPayments &extras, int number, Cents opening,
        const PaymentMonth &when)
{
    ScheduleRow row;
    row.number = number;
    row.date = when.date();
    row.interest = monthlyInterest(opening, terms.rate);
    const bool last = number == terms.count || terms.payment - row.interest >= opening;
    row.principal = last ? opening : terms.payment - row.interest;
    row.extra =
            std::clamp(extraFor(extras, terms, number, when), Cents{ 0 }, opening - row.principal);
    row.payment = row.interest + row.principal;
    row.balance = opening - row.principal - row.extra;
    return row;
}

// Runs the months until the balance is paid; the schedule's status says how it ended.
Schedule amortize(const Terms &terms, const ExtraPayments &extras, const QDate &first)
{
    Schedule s;
    s.scheduledPayment = terms.payment;
    s.rows.reserve(static_cast<std::size_t>(terms.count));
    Cents balance = terms.loan;
    PaymentMonth when{ first.year(), first.month() };
    for (int number = 1; balance > 0; ++number, when.advance()) {
        ScheduleRow row = nextRow(terms, extras, number, balance, when);
        if (row.principal <= 0) {
            s.status = ScheduleStatus::NegativeAmortization;
            s.failingPayment = number;
            s.failingCoversInterest = row.principal == 0;
            s.rows.clear();
            return s;
        }
        s.totals.interest += row.interest;
        s.totals.paid += row.payment + row.extra;
        balance = row.balance;
        s.rows.push_back(row);
    }
    s.totals.principal = terms.loan;
    s.totals.payments = static_cast<int>(s.rows.size());
    s.status = ScheduleStatus::Complete;
    return s;
}

// At no interest the payment is the loan over the term, ties away from zero; dividing the
// doubles would land a half cent either side of the tie.
Cents zeroRatePayment(Cents loan, int payments)
{
    const Cents remainder = loan % payments;
    return loan / payments + (2 * remainder >= payments ? 1 : 0);
}

} // namespace

bool ExtraPayments::any() const
{
    return monthly > 0 || yearly.amount > 0 || biweekly
            || std::any_of(oneTime.begin(), oneTime.end(), [](const OneTimeExtra &once) {
                   return once.amount > 0;
               });
}

Schedule computeSchedule(const ScheduleInputs &inputs)
{
    const auto loan = toCents(inputs.loan);
    const auto rate = toScaledRate(inputs.annualRate);
    const auto payment = toCents(inputs.monthlyPI);
    Schedule s;
    if (!loan || !rate || !payment) {
        s.status = ScheduleStatus::OutOfRange;
        return s;
    }
    if (inputs.payments > MaxPayments) {
        s.status = ScheduleStatus::OutOfRange;
        return s;
    }
    if (*loan <= 0 || inputs.payments <= 0)
        return s;
    const Terms terms{ *loan, *rate,
        *rate == 0 ? zeroRatePayment(*loan, inputs.payments) : *payment, inputs.payments };
    const QDate first(inputs.firstPayment.year(), inputs.firstPayment.month(), 1);
    s = amortize(terms, inputs.extras, first);
    if (s.status != ScheduleStatus::Complete || !inputs.extras.any())
        return s;
    const Schedule plain = amortize(terms, {}, first);
    // Without the extras the loan would never be repaid: there is nothing to compare with.
    if (plain.status != ScheduleStatus::Complete)
        return s;
    s.paymentsSaved = plain.totals.payments - s.totals.payments;
    s.interestSaved = plain.totals.interest - s.totals.interest;
    return s;
}

QDate latestFirstPayment(int payments)
{
    return QDate(9999, 12, 1).addMonths(1 - std::max(payments, 1));
}

} // namespace lw::core
