#pragma once

#include <cstdint>

namespace lw::core {

/// Payment per period of a fully amortising loan.
/// annualRate is in percent (6.0 = 6 %); periodKind 1..9 selects the periods per year
/// (365, 360, 52, 26, 24, 12, 4, 2, 1); any other kind uses the annual fraction per period.
/// Computes in extended precision and returns a value that is exactly a double.
/// Throws MathError on invalid operation, division by zero or overflow.
long double CalcPayment(long double principal, long double annualRate, std::int32_t periods,
        std::int32_t periodKind);

/// base raised to exponent through ln and exp; the exponent product is rounded to double
/// and capped at 88 so that a payment for a negative rate stays finite.
/// Throws MathError on invalid operation, division by zero or overflow.
long double getPower(long double base, long double exponent);

} // namespace lw::core
