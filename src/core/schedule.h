#pragma once

#include <cstdint>
#include <vector>

#include <QDate>

#include "core/cents.h"

namespace lw::core {

/// An extra principal payment made once, with the scheduled payment of that number.
struct OneTimeExtra
{
    int number = 0; // the payment it goes with, 1 for the first
    Cents amount = 0;

    friend bool operator==(const OneTimeExtra &, const OneTimeExtra &) = default;
};

/// An extra principal payment made once a year, with the payment of one calendar month.
struct YearlyExtra
{
    Cents amount = 0;
    int month = 1; // of the year, 1 for January
    int fromYear =
            0; // the first calendar year it is paid; any year before the loan's: from the start

    friend bool operator==(const YearlyExtra &, const YearlyExtra &) = default;
};

/// Principal paid on top of the scheduled payments.
struct ExtraPayments
{
    Cents monthly = 0; // with every payment from monthlyFrom on
    int monthlyFrom = 1;
    std::vector<OneTimeExtra> oneTime;
    YearlyExtra yearly{};
    // Half the payment every two weeks, counted as lenders who collect it monthly count it:
    // a twelfth of the scheduled payment more principal with every payment.
    bool biweekly = false;

    bool any() const;

    friend bool operator==(const ExtraPayments &, const ExtraPayments &) = default;
};

/// What a schedule is computed from: the last calculation pass and the schedule's own inputs.
struct ScheduleInputs
{
    double loan = 0;
    double annualRate = 0; // percent
    int payments = 0; // the term in months
    double monthlyPI = 0; // the pass's payment, before rounding to the cent
    QDate firstPayment; // the month of the first payment; the day is not used
    ExtraPayments extras;
};

/// One month of the schedule. payment + extra is what the buyer pays that month.
struct ScheduleRow
{
    int number = 0;
    QDate date; // the first day of the payment's month
    Cents payment = 0; // interest + principal
    Cents interest = 0;
    Cents principal = 0; // the scheduled repayment
    Cents extra = 0; // extra principal
    Cents balance = 0; // after this payment
};

/// Sums over a schedule.
struct ScheduleTotals
{
    Cents interest = 0;
    Cents principal = 0; // scheduled and extra: the loan
    Cents paid = 0; // every payment with its extra
    int payments = 0;
};

/// Why a schedule has no rows.
enum class ScheduleStatus {
    Complete,
    NoLoan, // a loan or term that is zero or negative
    OutOfRange, // an amount or rate beyond what the fields can hold
    NegativeAmortization, // a payment that does not even cover its month's interest
};

/// The repayment of a loan month by month, exact to the cent.
struct Schedule
{
    ScheduleStatus status = ScheduleStatus::NoLoan;
    int failingPayment = 0; // NegativeAmortization: the first payment that falls short
    bool failingCoversInterest = false; // it pays its interest exactly, but no principal
    Cents scheduledPayment = 0;
    std::vector<ScheduleRow> rows;
    ScheduleTotals totals;
    // Against the same loan without extras; zero without extras, and when that loan would
    // never be repaid.
    int paymentsSaved = 0;
    Cents interestSaved = 0;
};

/// Computes the schedule:
/// - the scheduled payment is the pass's payment rounded to the cent, ties away from zero;
///   at a zero rate it is the loan over the term, divided in cents;
/// - each month's interest is the opening balance x rate / 1200, in cents, ties away from
///   zero, computed in integers from the rate's four decimals;
/// - principal = payment - interest, then the month's extra, together never more than the
///   opening balance; the last payment (the term's last, or the one that reaches the
///   balance) is the opening balance plus its interest, so the balance ends at exactly 0;
/// - a payment that does not exceed its interest ends the schedule as NegativeAmortization
///   instead of running without end.
Schedule computeSchedule(const ScheduleInputs &inputs);

/// The latest first payment month for a term of `payments`: its last payment falls in
/// December 9999, the last month a date is written for.
QDate latestFirstPayment(int payments);

} // namespace lw::core
