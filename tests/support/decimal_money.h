#pragma once

#include "core/cents.h"

#include <boost/multiprecision/cpp_dec_float.hpp>

// Money worked out at 50 decimal digits, independently of the code's integers: the
// references the arithmetic tests compare with.
namespace lw::test {

using Decimal = boost::multiprecision::cpp_dec_float_50;

/// To the cent, ties up (every amount here is positive). A quotient cut off at the 50th
/// digit may read a true tie as ...4999; rounding to 20 places first restores it.
inline Decimal cent(const Decimal &x)
{
    const Decimal scaled = round(x * Decimal("1e22")) / Decimal("1e20");
    return floor(scaled + Decimal("0.5")) / 100;
}

inline core::Cents inCents(const Decimal &x)
{
    return static_cast<core::Cents>(round(x * 100));
}

/// The annuity payment before rounding, loan x r / (1 - (1 + r)^-n) with r = rate / 1200.
inline double annuity(double loan, double rate, int n)
{
    const Decimal r = Decimal(rate) / 1200;
    return static_cast<double>(Decimal(loan) * r / (1 - pow(1 + r, -n)));
}

} // namespace lw::test
