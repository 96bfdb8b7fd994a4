#pragma once

#include <optional>
#include <vector>

#include <QString>

#include "core/schedule.h"
#include "platform/locale_info.h"

namespace lw::core {

/// One-time extras as the user writes them: "number=amount" pairs separated by ";", the
/// amount with the locale's decimal separator and no grouping ("12=5000; 60=2500.50").
/// Blank text is no extras; nullopt for anything else that is not such a list, for a
/// number below 1 and for a negative amount.
std::optional<std::vector<OneTimeExtra>> parseOneTimeExtras(
        QStringView text, const platform::LocaleInfo &locale);

/// The text parseOneTimeExtras reads back as the same list.
QString oneTimeExtrasText(
        const std::vector<OneTimeExtra> &extras, const platform::LocaleInfo &locale);

} // namespace lw::core
