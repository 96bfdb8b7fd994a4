#include "platform/common_data_folder.h"

#include <QDir>

#include "platform/local_path.h"

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
    // Taken as the bytes they are: a folder name need not be valid UTF-8.
    const QByteArray home = qgetenv("HOME");
    return commonDataFolder(localPath(qgetenv("XDG_CONFIG_HOME")),
            home.isEmpty() ? QDir::homePath() : localPath(home));
}

} // namespace lw::platform
