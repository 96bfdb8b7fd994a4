#include "core/offer_comparison.h"

#include <algorithm>

#include "core/apr.h"

namespace lw::core {

namespace {

__extension__ using Wide = __int128;

// numerator / denominator, ties away from zero; both exact in 128 bits.
std::int64_t roundedQuotient(Wide numerator, Wide denominator)
{
    const bool negative = (numerator < 0) != (denominator < 0);
    const Wide n = numerator < 0 ? -numerator : numerator;
    const Wide d = denominator < 0 ? -denominator : denominator;
    const auto q = static_cast<std::int64_t>((2 * n + d) / (2 * d));
    return negative ? -q : q;
}

// A part of an amount in thousandths of a percent of another; nullopt without a whole.
std::optional<std::int64_t> percentOf(Cents part, Cents whole)
{
    if (whole <= 0)
        return std::nullopt;
    return roundedQuotient(static_cast<Wide>(part) * 100'000, whole);
}

// Discount points cost the loan times their percentage, to the cent.
Cents pointsCost(Cents loan, std::int64_t points)
{
    return roundedQuotient(static_cast<Wide>(loan) * points, Wide{ 100 } * RateScale);
}

void addPeriod(OfferFigures &f, const Schedule &schedule, const MonthlyCosts &costs, int years)
{
    f.periodMonths = std::min(years * 12, static_cast<int>(schedule.rows.size()));
    for (std::size_t i = 0; i < static_cast<std::size_t>(f.periodMonths); ++i) {
        f.periodPrincipal += schedule.rows[i].principal;
        f.periodInterest += schedule.rows[i].interest;
        f.periodMortgageInsurance += costs.rows[i].mortgageInsurance;
    }
    f.periodTotal = f.periodPrincipal + f.periodInterest + f.periodMortgageInsurance + f.points
            + f.lenderFees;
}

void addSchedule(OfferFigures &f, const Schedule &schedule, const MonthlyCosts &costs)
{
    const FirstPayment &first = costs.firstPayment;
    f.principalAndInterest = first.principalAndInterest;
    f.mortgageInsurance = costs.mortgageInsurance.premium;
    f.insuranceEnd = costs.mortgageInsurance.applied;
    f.escrow = first.taxes + first.insurance;
    f.hoa = first.hoa;
    f.monthlyTotal = first.total;
    f.stream.reserve(schedule.rows.size());
    for (std::size_t i = 0; i < schedule.rows.size(); ++i)
        f.stream.push_back(schedule.rows[i].payment + costs.rows[i].mortgageInsurance);
    // Regulation Z's actuarial method: what the buyer receives against what they repay.
    f.apr = annualPercentageRate(f.loan - f.points - f.lenderFees, f.stream);
    f.totalInterest = schedule.totals.interest;
    f.totalInterestPercentage = percentOf(f.totalInterest, f.loan);
    f.payoffPayment = schedule.rows.back().number;
    f.payoffMonth = schedule.rows.back().date;
}

} // namespace

Offer offerOf(const LoanScenario &scenario, const QString &name)
{
    Offer offer;
    offer.name = name;
    offer.rate = scenario.rate;
    offer.years = std::clamp(scenario.payments / 12, MinOfferYears, MaxOfferYears);
    offer.points = scenario.points;
    offer.lenderFees = scenario.lenderFees;
    offer.downPayment = scenario.downPayment;
    return offer;
}

LoanScenario offerScenario(const LoanScenario &base, const Offer &offer)
{
    LoanScenario s = base;
    s.rate = offer.rate;
    s.payments = std::clamp(offer.years, MinOfferYears, MaxOfferYears) * 12;
    s.points = offer.points;
    s.lenderFees = offer.lenderFees;
    s.downPayment = offer.downPayment;
    s.price = offer.price.value_or(base.price);
    s.annualTaxes = offer.annualTaxes.value_or(base.annualTaxes);
    s.annualInsurance = offer.annualInsurance.value_or(base.annualInsurance);
    s.mortgageInsuranceRate = offer.mortgageInsuranceRate.value_or(base.mortgageInsuranceRate);
    s.monthlyHoa = offer.monthlyHoa.value_or(base.monthlyHoa);
    s.passPayment.reset();
    return s;
}

OfferFigures offerFigures(const LoanScenario &scenario, int years)
{
    LoanScenario plain = scenario;
    plain.extras = {};
    OfferFigures f;
    f.pointsRate = plain.points;
    f.loan = plain.loan();
    f.loanToValue = percentOf(f.loan, plain.price);
    f.points = pointsCost(f.loan, plain.points);
    f.lenderFees = plain.lenderFees;
    f.cashToClose = plain.downPayment + f.points + f.lenderFees;
    const Schedule schedule = scenarioSchedule(plain);
    const MonthlyCosts costs = monthlyCosts(plain, schedule);
    f.complete = !costs.rows.empty();
    if (!f.complete)
        return f;
    addSchedule(f, schedule, costs);
    addPeriod(f, schedule, costs, years);
    return f;
}

BreakEven breakEven(const OfferFigures &first, const OfferFigures &offer)
{
    if (!first.complete || !offer.complete || offer.pointsRate <= first.pointsRate)
        return {};
    // Points bought without a lower payment are never repaid.
    if (offer.stream.front() >= first.stream.front())
        return { BreakEven::Kind::Never, 0 };
    const Cents extra = offer.points + offer.lenderFees - first.points - first.lenderFees;
    Cents saved = 0;
    for (std::size_t k = 0; k < offer.stream.size(); ++k) {
        // Past its own payoff the first loan costs nothing more a month.
        saved += (k < first.stream.size() ? first.stream[k] : 0) - offer.stream[k];
        if (saved >= extra)
            return { BreakEven::Kind::After, static_cast<int>(k) + 1 };
    }
    return { BreakEven::Kind::Never, 0 };
}

Comparison compareOffers(const std::vector<LoanScenario> &scenarios, int years)
{
    Comparison c;
    c.years = years;
    c.offers.reserve(scenarios.size());
    for (const LoanScenario &s : scenarios)
        c.offers.push_back(offerFigures(s, years));
    for (const OfferFigures &f : c.offers)
        c.breakEvens.push_back(breakEven(c.offers.front(), f));
    return c;
}

} // namespace lw::core
