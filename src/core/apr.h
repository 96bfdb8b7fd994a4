#pragma once

#include <optional>
#include <vector>

#include "core/cents.h"

namespace lw::core {

/// The annual percentage rate by the actuarial method for monthly unit-periods and no odd
/// first period: the rate i for which the payments, the k-th at the end of month k,
/// discounted at (1 + i/1200)^-k, sum to the amount financed. In percent, solved to within
/// 1e-9 percentage points. nullopt when no such rate exists: nothing financed, no payment,
/// or payments that do not even add up to the amount financed at a rate of -100 %.
std::optional<double> annualPercentageRate(
        Cents amountFinanced, const std::vector<Cents> &payments);

} // namespace lw::core
