#include "core/startup_values.h"

#include "core/saved_values.h"

namespace lw::core {

void setFoldersAndTags(
        ValueRecord &record, const QString &commonDataFolder, const QString &programFolder)
{
    record.FCommonDataFolder = commonDataFolder;
    record.FDataSubFolder = dataSubFolder();
    record.FProgramFolder = programFolder;
    record.FRefPrefix = QStringLiteral("?ref=");
    record.FRefTag = record.FRefPrefix + u"LWC451";
}

QString helpFilePath(const ValueRecord &record)
{
    return record.FProgramFolder + u"help/index.html";
}

} // namespace lw::core
