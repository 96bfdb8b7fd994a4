#include "platform/common_data_folder.h"

#include <gtest/gtest.h>

#include "platform/local_path.h"

using lw::platform::commonDataFolder;
using namespace Qt::StringLiterals;

TEST(CommonDataFolder, ConfigHomeWhenAbsoluteElseDotConfig)
{
    EXPECT_EQ(commonDataFolder(u"/x/conf"_s, u"/home/u"_s), u"/x/conf"_s);
    EXPECT_EQ(commonDataFolder(u"/x/conf//"_s, u"/home/u"_s), u"/x/conf"_s);
    EXPECT_EQ(commonDataFolder({}, u"/home/u"_s), u"/home/u/.config"_s);
    EXPECT_EQ(commonDataFolder(u"conf"_s, u"/home/u/"_s), u"/home/u/.config"_s);
    EXPECT_EQ(commonDataFolder({}, u"/"_s), u"/.config"_s);
}

TEST(CommonDataFolder, EnvironmentBytesThatAreNotUtf8ComeBackUnchanged)
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    const QByteArray bytes("/tmp/Gr\xFC\xDF"
                           "e/\xE9t\xE9");
    qputenv("XDG_CONFIG_HOME", bytes);
    const QString folder = commonDataFolder();
    qputenv("XDG_CONFIG_HOME", saved);
    EXPECT_EQ(lw::platform::localPathBytes(folder), bytes);
}
