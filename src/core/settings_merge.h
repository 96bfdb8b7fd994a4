#pragma once

#include <optional>

#include <QString>

#include "platform/profile_file.h"

namespace lw::core {

/// Writes an entry of the settings being saved, unless this copy of the program did not change
/// it: when `asRead` (its text as this copy read it) equals `value` and the file as it is now
/// holds the key, the file's value stays, for another running copy may have saved its own
/// since. Without `asRead` the entry is always written. False when it cannot be written.
[[nodiscard]] bool writeChanged(platform::ProfileFile &settings, const QString &section,
        const QString &key, const QString &value, const std::optional<QString> &asRead);

} // namespace lw::core
