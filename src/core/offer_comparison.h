#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QDate>
#include <QString>

#include "core/cents.h"
#include "core/loan_scenario.h"
#include "core/monthly_costs.h"

namespace lw::core {

/// A lender's fixed-rate offer: its own terms, and the buyer's costs where the buyer says
/// they differ from the calculator's.
struct Offer
{
    QString name;
    std::int64_t rate = 0; // annual, scaled as LoanScenario::rate
    int years = 30;
    std::int64_t points = 0; // discount points, % of the loan scaled as the rate
    Cents lenderFees = 0; // prepaid finance charges
    Cents downPayment = 0;
    // Empty: the calculator's value, or the schedule's.
    std::optional<Cents> price;
    std::optional<Cents> annualTaxes;
    std::optional<Cents> annualInsurance;
    std::optional<std::int64_t> mortgageInsuranceRate;
    std::optional<Cents> monthlyHoa;

    friend bool operator==(const Offer &, const Offer &) = default;
};

constexpr int MinOfferYears = 1;
constexpr int MaxOfferYears = 40;

/// The terms of a compared loan as a new offer, nothing overridden.
Offer offerOf(const LoanScenario &scenario, const QString &name);

/// The loan the offer makes of the calculator's: its terms over the base's costs. The
/// payment is the offer's own, computed from its loan, rate and term.
LoanScenario offerScenario(const LoanScenario &base, const Offer &offer);

/// One compared loan, every amount in cents. Extra payments are left out: the offers are
/// compared, not the buyer's plan of paying ahead.
struct OfferFigures
{
    bool complete = false; // the loan has a schedule; otherwise only the inputs' rows
    std::int64_t pointsRate = 0; // as the scenario's
    Cents loan = 0;
    std::optional<std::int64_t> loanToValue; // thousandths of a percent
    Cents principalAndInterest = 0; // the first month's
    Cents mortgageInsurance = 0; // a month, while charged
    InsuranceEnding insuranceEnd;
    Cents escrow = 0; // taxes and insurance, a month
    Cents hoa = 0;
    Cents monthlyTotal = 0; // the first month's whole payment
    Cents points = 0;
    Cents lenderFees = 0;
    Cents cashToClose = 0; // down payment, points and fees
    std::optional<double> apr; // percent
    int periodMonths = 0; // the months the period figures cover
    Cents periodPrincipal = 0; // the principal paid off
    Cents periodInterest = 0;
    Cents periodMortgageInsurance = 0;
    Cents periodTotal = 0; // principal, interest, mortgage insurance, points and fees
    std::optional<std::int64_t> totalInterestPercentage; // thousandths of a percent
    Cents totalInterest = 0;
    int payoffPayment = 0;
    QDate payoffMonth;
    std::vector<Cents> stream; // principal and interest with the premium, month by month
};

/// The figures of the loan over its first `years` years and its whole term.
OfferFigures offerFigures(const LoanScenario &scenario, int years);

/// When an offer's extra points and fees have been repaid by its lower payments.
struct BreakEven
{
    enum class Kind {
        None, // not an offer with more points than the first
        After, // after `month` payments
        Never, // not within the offer's term, or no lower payment to repay them
    };
    Kind kind = Kind::None;
    int month = 0;
};

/// The break-even of `offer` against `first`, month by month over the payments with
/// their premiums.
BreakEven breakEven(const OfferFigures &first, const OfferFigures &offer);

/// Every compared loan's figures and break-even against the first.
struct Comparison
{
    int years = 5;
    std::vector<OfferFigures> offers;
    std::vector<BreakEven> breakEvens;
};

Comparison compareOffers(const std::vector<LoanScenario> &scenarios, int years);

} // namespace lw::core
