#include "core/cents.h"

#include <cmath>

namespace lw::core {

namespace {

// 10^15 cents times 10^10 ten-thousandths overflows 64 bits; 128 do not.
__extension__ using Wide = __int128;

constexpr long double CentsLimit = 1e15L;
constexpr long double RateLimit = 1e6L;

// An amount times 100 is exact at extended width (53 + 7 bits), so a tie is seen as a tie.
// The rate field holds at most four decimals, so a rate times 10000 lies within a rounding
// error of the whole number the user typed.
std::optional<std::int64_t> scaledInteger(double value, long double scale, long double limit)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const long double scaled = std::round(static_cast<long double>(value) * scale);
    if (std::fabs(scaled) >= limit * scale)
        return std::nullopt;
    return static_cast<std::int64_t>(scaled);
}

} // namespace

std::optional<Cents> toCents(double amount)
{
    return scaledInteger(amount, 100, CentsLimit / 100);
}

std::optional<std::int64_t> toScaledRate(double annualRatePercent)
{
    return scaledInteger(annualRatePercent, RateScale, RateLimit);
}

Cents monthlyInterest(Cents balance, std::int64_t scaledRate)
{
    // balance x (scaledRate / RateScale) / 100 / 12, as one exact quotient.
    constexpr Wide Divisor = static_cast<Wide>(RateScale) * 100 * 12;
    const Wide product = static_cast<Wide>(balance) * scaledRate;
    Wide quotient = product / Divisor; // truncates toward zero
    const Wide remainder = product % Divisor;
    if (2 * (remainder < 0 ? -remainder : remainder) >= Divisor)
        quotient += product < 0 ? -1 : 1;
    return static_cast<Cents>(quotient);
}

Cents twelfth(Cents amount)
{
    const Cents rest = amount % 12; // carries the amount's sign
    return amount / 12 + (2 * rest >= 12 ? 1 : 0) - (2 * rest <= -12 ? 1 : 0);
}

double toAmount(Cents cents)
{
    return static_cast<double>(static_cast<long double>(cents) / 100);
}

} // namespace lw::core
