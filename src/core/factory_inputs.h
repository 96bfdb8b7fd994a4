#pragma once

#include <cstdint>

namespace lw::core::factory {

// The inputs a new installation starts with and the reset command restores.
inline constexpr double SalesPrice = 100000;
inline constexpr double DownPayment = 20000;
inline constexpr double InterestRate = 6.0;
inline constexpr std::int32_t Term = 30;
inline constexpr double AnnualTaxes = 500;
inline constexpr double AnnualInsurance = 500;

} // namespace lw::core::factory
