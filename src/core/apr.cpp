#include "core/apr.h"

#include <cmath>
#include <numeric>

namespace lw::core {

namespace {

// Present value, in cents, of the payments at a monthly rate; falls as the rate rises.
long double presentValue(const std::vector<Cents> &payments, long double monthlyRate)
{
    const long double discount = 1.0L / (1.0L + monthlyRate);
    long double factor = 1.0L;
    long double sum = 0.0L;
    for (const Cents payment : payments) {
        factor *= discount;
        sum += static_cast<long double>(payment) * factor;
    }
    return sum;
}

// An upper monthly rate at which the payments are worth less than the amount financed.
std::optional<long double> upperRate(const std::vector<Cents> &payments, Cents financed)
{
    for (long double rate = 0.01L; rate < 1e6L; rate *= 4)
        if (presentValue(payments, rate) < static_cast<long double>(financed))
            return rate;
    return std::nullopt;
}

} // namespace

std::optional<double> annualPercentageRate(Cents amountFinanced, const std::vector<Cents> &payments)
{
    const Cents paid = std::accumulate(payments.begin(), payments.end(), Cents{ 0 });
    if (amountFinanced <= 0 || payments.empty() || paid <= 0)
        return std::nullopt;
    const auto financed = static_cast<long double>(amountFinanced);
    // -50 % a month is far below any rate a loan is offered at, yet keeps the discount
    // factors of a 40-year term within range.
    long double lo = -0.5L;
    const auto high = upperRate(payments, amountFinanced);
    if (!high || presentValue(payments, lo) < financed)
        return std::nullopt;
    long double hi = *high;
    // Bisection is slow but certain; a quarter of the wanted 1e-9 percentage points, in
    // monthly terms, takes about 45 halvings, well within the extended precision's reach.
    constexpr long double Tolerance = 1e-9L / 1200 / 4;
    while (hi - lo > Tolerance) {
        const long double mid = lo + (hi - lo) / 2;
        (presentValue(payments, mid) >= financed ? lo : hi) = mid;
    }
    return static_cast<double>((lo + (hi - lo) / 2) * 1200);
}

} // namespace lw::core
