#include "core/settings_merge.h"

namespace lw::core {

bool writeChanged(platform::ProfileFile &settings, const QString &section, const QString &key,
        const QString &value, const std::optional<QString> &asRead)
{
    if (asRead == value && settings.hasKey(section, key))
        return true;
    return settings.writeString(section, key, value);
}

} // namespace lw::core
