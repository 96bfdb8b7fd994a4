#include "platform/common_data_folder.h"

#include <gtest/gtest.h>

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
