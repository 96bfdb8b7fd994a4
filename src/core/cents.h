#pragma once

#include <cstdint>
#include <optional>

namespace lw::core {

/// An amount of money in whole cents. The schedule adds and splits money in cents so that
/// every column sums exactly to its total.
using Cents = std::int64_t;

/// Scale of the annual rate as an integer: the rate field keeps four decimals, so 6.125 %
/// is 61250 ten-thousandths of a percent.
constexpr std::int64_t RateScale = 10000;

/// The amount in cents, ties away from zero; nullopt when it is not finite or its magnitude
/// reaches 10^15 cents (beyond every amount the fields can hold).
std::optional<Cents> toCents(double amount);

/// The annual rate in percent as ten-thousandths of a percent, ties away from zero; nullopt
/// when it is not finite or its magnitude reaches 10^6 percent.
std::optional<std::int64_t> toScaledRate(double annualRatePercent);

/// One month's interest on a balance: balance x rate / 1200, in cents, ties away from
/// zero. Exact: the product is formed in 128-bit integers.
Cents monthlyInterest(Cents balance, std::int64_t scaledRate);

/// A twelfth of an amount in cents, ties away from zero: a month's share of a yearly amount.
Cents twelfth(Cents amount);

/// Cents as a double in currency units, for the money formats; exact to the cent.
double toAmount(Cents cents);

} // namespace lw::core
