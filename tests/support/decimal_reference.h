#pragma once

#include <vector>

#include "core/cents.h"

#include <boost/multiprecision/cpp_dec_float.hpp>

namespace lw::test {

using Decimal = boost::multiprecision::cpp_dec_float_50;

// The root of the actuarial equation sum payment_k (1 + i)^-k = financed by Newton's
// method at 50 digits, started at 6 % a year; independent of the code's bracketing. The
// annual rate in percent.
inline double referenceApr(core::Cents financed, const std::vector<core::Cents> &payments)
{
    Decimal i("0.005");
    for (Decimal step = 1; abs(step) > Decimal("1e-30");) {
        Decimal value = -Decimal(financed);
        Decimal slope = 0;
        Decimal factor = 1;
        int k = 0;
        for (const core::Cents payment : payments) {
            ++k;
            factor /= 1 + i;
            value += Decimal(payment) * factor;
            slope -= Decimal(payment) * k * factor / (1 + i);
        }
        step = value / slope;
        i -= step;
    }
    return static_cast<double>(i * 1200);
}

} // namespace lw::test
