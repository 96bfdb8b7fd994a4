#pragma once

#include "core/affordability.h"
#include "core/value_record.h"
#include "platform/file_store.h"
#include "platform/locale_info.h"
#include "platform/profile_file.h"

namespace lw::core {

/// The Afford page's inputs as the calculator's last pass suggests them: its down payment,
/// its taxes as a share of its price, its insurance, rate and term; the ratios 28 and 36, no
/// income, debts, HOA dues or mortgage insurance. Amounts beyond the fields are left out.
AffordInputs affordDefaults(const ValueRecord &record);

/// Reads the Afford page's section of the settings file at `path` over `defaults`; a missing,
/// unreadable or negative entry keeps the default, silently. Rate and term are not kept:
/// they are the calculator's.
AffordInputs loadAffordValues(const QString &path, const platform::FileStore &files,
        const platform::LocaleInfo &locale, const AffordInputs &defaults);

/// Writes the Afford page's section into the settings being saved, leaving every other
/// section alone; false when an entry cannot be written.
bool writeAffordValues(platform::ProfileFile &settings, const AffordInputs &inputs,
        const platform::LocaleInfo &locale);

} // namespace lw::core
