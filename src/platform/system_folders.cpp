#include "platform/system_folders.h"

#include <QCoreApplication>

#include "platform/common_data_folder.h"

namespace lw::platform {

QString SystemFolders::commonData() const
{
    return commonDataFolder();
}

QString SystemFolders::program() const
{
    return QCoreApplication::applicationDirPath() + u'/';
}

} // namespace lw::platform
