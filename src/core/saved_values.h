#pragma once

#include <functional>
#include <vector>

#include "core/calculation_pass.h"
#include "core/value_record.h"
#include "platform/file_store.h"
#include "platform/locale_info.h"
#include "platform/profile_file.h"

namespace lw::core {

/// The program's folder below the shared data folder, both separators included.
QString dataSubFolder();

/// The settings file's full path, composed from the record's folders.
QString settingsFilePath(const ValueRecord &record);

/// Reads the saved inputs, results and first-run flag into the record. A missing or
/// unreadable file, section, key or value gives that value's default; nothing is reported.
/// The term is stored as read, whatever its value. Decimals are read with the separator of
/// `locale`, which should be the conventions in force now.
void loadSavedValues(
        ValueRecord &record, const platform::FileStore &files, const platform::LocaleInfo &locale);

/// Shows the record in the fields and checks the term button for its term (the 30-year
/// button for any term but 15 and 20). Runs no calculation pass, and a window must not run
/// one for the button checked here: the first pass comes after every field is restored.
void restoreFields(const ValueRecord &record, const CalculatorControls &controls);

/// Writes a section of its own into the settings file being saved; false when it cannot.
using MoreSettings = std::function<bool(platform::ProfileFile &settings)>;

/// Writes the inputs, results and first-run flag into the settings file, creating its folder
/// when missing, together with whatever each of `more` writes. All entries reach the disk in one
/// replacement of the file, so a failure writes none of them; everything else in the file is
/// kept. Given `asRead`, the record as this copy loaded it, an entry that has not changed
/// since keeps what the file holds now (see writeChanged): another running copy may have
/// saved it meanwhile. Throws WriteError when the folder cannot be made, the old file cannot
/// be read, or the new one cannot be written.
void SaveValuesAtExit(const ValueRecord &record, platform::FileStore &files,
        const platform::LocaleInfo &locale, const std::vector<MoreSettings> &more = {},
        const ValueRecord *asRead = nullptr);

} // namespace lw::core
