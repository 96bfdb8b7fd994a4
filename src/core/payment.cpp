#include "core/payment.h"

#include <cmath>

#include "core/fp_check.h"
#include "core/math_error.h"

namespace lw::core {

namespace {

// Periods per year by period kind 1..9.
constexpr long double periodDivisors[] = { 365, 360, 52, 26, 24, 12, 4, 2, 1 };

long double ratePerPeriod(long double annualRate, std::int32_t periodKind)
{
    const long double r = annualRate / 100;
    if (periodKind >= 1 && periodKind <= 9)
        return r / periodDivisors[periodKind - 1];
    return r;
}

long double roundedToDouble(long double value)
{
    return static_cast<double>(value);
}

} // namespace

long double getPower(long double base, long double exponent)
{
    // A NaN base compares equal to 0 here, as the original extended comparison did.
    if (base == 0 || std::isnan(base))
        return 0;
    return checkedArithmetic([&] {
        double t = static_cast<double>(exponent * std::log(base));
        if (t > 88)
            t = 88;
        return std::exp(static_cast<long double>(t));
    });
}

long double CalcPayment(long double principal, long double annualRate, std::int32_t periods,
        std::int32_t periodKind)
{
    if (periods == 0)
        return 0;
    if (std::isnan(annualRate))
        throw MathError("Invalid floating point operation");
    const long double r = checkedArithmetic([&] {
        return ratePerPeriod(annualRate, periodKind);
    });
    // Without interest (or with a rate too small to change 1 + r) the loan is repaid in equal parts.
    if (r == 0 || 1 + r == 1)
        return checkedArithmetic([&] {
            return roundedToDouble(principal / periods);
        });
    const long double p = getPower(1 + r, -static_cast<long double>(periods));
    return checkedArithmetic([&] {
        return roundedToDouble((principal * r) / (1 - p));
    });
}

} // namespace lw::core
