#pragma once

#include <QString>

#include "core/value_record.h"

namespace lw::core {

/// The help topic shown on the first run.
inline constexpr int FirstRunHelpContext = 10000;

/// Tool-tip delays in milliseconds: before one shows, and how long it stays.
inline constexpr int HintPauseMs = 400;
inline constexpr int HintHidePauseMs = 4000;

/// Fills the record's folders and referral tag: the shared data folder as looked up, the
/// program's sub-folder below it, and the program's own folder (with trailing separator).
void setFoldersAndTags(
        ValueRecord &record, const QString &commonDataFolder, const QString &programFolder);

/// The help's contents page below the program folder.
QString helpFilePath(const ValueRecord &record);

} // namespace lw::core
