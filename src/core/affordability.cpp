#include "core/affordability.h"

#include <algorithm>

namespace lw::core {

namespace {

__extension__ using Wide = __int128;

constexpr std::int64_t RateStep = RateScale / 2; // half a percentage point
constexpr Cents DownStep = 1'000'000; // 10,000

// amount <= ratio % of income, exactly: 100 x RateScale x amount <= ratio x income.
bool withinShare(Cents amount, Cents income, std::int64_t ratio)
{
    return static_cast<Wide>(amount) * 100 * RateScale <= static_cast<Wide>(income) * ratio;
}

// price x rate / 100, in cents, ties away from zero (both are never negative): taxes a year
// rounded once, then shared out by month as the calculator's taxes are.
Cents shareOf(Cents price, std::int64_t rate)
{
    const Wide divisor = static_cast<Wide>(RateScale) * 100;
    return static_cast<Cents>((static_cast<Wide>(price) * rate + divisor / 2) / divisor);
}

struct Check
{
    bool front = false;
    bool back = false;

    bool both() const { return front && back; }
};

Check check(const AffordInputs &in, Cents price)
{
    const Cents housing = housingPayment(affordScenario(in, price)).total;
    return { withinShare(housing, in.monthlyIncome, in.frontRatio),
        withinShare(housing + in.monthlyDebts, in.monthlyIncome, in.backRatio) };
}

// amount / income in hundredths of a percent, ties up (neither is negative).
std::int64_t shareOfIncome(Cents amount, Cents income)
{
    if (income <= 0)
        return 0;
    const Wide twice = static_cast<Wide>(amount) * 100 * 100 * 2;
    return static_cast<std::int64_t>((twice + income) / (static_cast<Wide>(income) * 2));
}

Affordability answer(const AffordInputs &in, Cents price, AffordLimit binding)
{
    const LoanScenario s = affordScenario(in, price);
    const FirstPayment payment = housingPayment(s);
    return { true, price, s.loan(), payment, binding,
        shareOfIncome(payment.total, in.monthlyIncome),
        shareOfIncome(payment.total + in.monthlyDebts, in.monthlyIncome) };
}

} // namespace

LoanScenario affordScenario(const AffordInputs &in, Cents price)
{
    LoanScenario s = in.terms;
    s.price = price;
    s.downPayment = std::min(in.downPayment, price);
    s.annualTaxes = shareOf(price, in.taxRate);
    s.passPayment.reset();
    return s;
}

FirstPayment housingPayment(const LoanScenario &s)
{
    FirstPayment p;
    p.principalAndInterest = s.loan() > 0 ? scheduledPayment(s).value_or(0) : 0;
    p.taxes = twelfth(s.annualTaxes);
    p.insurance = twelfth(s.annualInsurance);
    p.mortgageInsurance = mortgageInsurancePremium(s);
    p.hoa = s.monthlyHoa;
    p.total = p.principalAndInterest + p.taxes + p.insurance + p.mortgageInsurance + p.hoa;
    return p;
}

Affordability solveAffordability(const AffordInputs &in)
{
    if (!check(in, 0).both())
        return {};
    if (check(in, HighestAffordablePrice).both())
        return answer(in, HighestAffordablePrice, AffordLimit::Ceiling);
    // Invariant: lo fits, hi does not.
    Cents lo = 0;
    Cents hi = HighestAffordablePrice;
    while (hi - lo > 1) {
        const Cents mid = lo + (hi - lo) / 2;
        (check(in, mid).both() ? lo : hi) = mid;
    }
    return answer(in, lo, check(in, hi).front ? AffordLimit::BackEnd : AffordLimit::FrontEnd);
}

std::array<std::int64_t, 3> sensitivityRates(const AffordInputs &inputs)
{
    const std::int64_t rate = inputs.terms.rate;
    return { std::max(std::int64_t{ 0 }, rate - RateStep), rate, rate + RateStep };
}

std::array<Cents, 3> sensitivityDownPayments(const AffordInputs &inputs)
{
    const Cents down = inputs.downPayment;
    return { std::max(Cents{ 0 }, down - DownStep), down, down + DownStep };
}

std::vector<std::vector<Affordability>> affordabilitySensitivity(const AffordInputs &inputs)
{
    std::vector<std::vector<Affordability>> table;
    for (const std::int64_t rate : sensitivityRates(inputs)) {
        auto &row = table.emplace_back();
        for (const Cents down : sensitivityDownPayments(inputs)) {
            AffordInputs varied = inputs;
            varied.terms.rate = rate;
            varied.downPayment = down;
            row.push_back(solveAffordability(varied));
        }
    }
    return table;
}

} // namespace lw::core
