#pragma once

#include <QString>

#include "platform/locale_info.h"

namespace lw::core {

/// An amount in the user's currency format, always with two decimals; ties round away
/// from zero. From 10,000,000,000 on (after that rounding) it is written in scientific
/// notation with up to 10 significant digits and no currency symbol instead.
QString money(double x, const platform::LocaleInfo &locale);

} // namespace lw::core
