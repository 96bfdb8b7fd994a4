#include "platform/common_data_folder.h"

#include <QDir>

namespace lw::platform {

namespace {

QString withoutTrailingSeparators(QString path)
{
    while (path.endsWith(u'/'))
        path.chop(1);
    return path;
}

} // namespace

QString commonDataFolder(const QString &xdgConfigHome, const QString &homeFolder)
{
    // A relative value is invalid by the base-directory rules and is ignored.
    if (xdgConfigHome.startsWith(u'/'))
        return withoutTrailingSeparators(xdgConfigHome);
    return withoutTrailingSeparators(homeFolder) + u"/.config";
}

QString commonDataFolder()
{
    return commonDataFolder(qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath());
}

} // namespace lw::platform
