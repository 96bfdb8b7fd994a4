#pragma once

#include <cstdint>
#include <optional>

#include <QString>
#include <QStringView>

#include "platform/locale_info.h"

namespace lw::core {

/// A float as the settings file stores it: the general format with at most 15 significant
/// digits, no trailing zeros, the locale's decimal separator, and "5E-5" style exponents for
/// magnitudes below 0.0001 or with more than 15 integer digits.
QString floatText(double value, const platform::LocaleInfo &locale);

/// A decimal number with the locale's decimal separator: optional sign, digits, optional
/// decimals and exponent, surrounding blanks; nullopt for anything else and for magnitudes
/// beyond the double range (ones too small to hold read as zero).
std::optional<double> parseFloat(QStringView text, const platform::LocaleInfo &locale);

/// Decimal digits with an optional sign, or hexadecimal digits after "0x" or "0X";
/// nullopt for anything else and for values outside 32 bits.
std::optional<std::int32_t> parseInteger(QStringView text);

} // namespace lw::core
