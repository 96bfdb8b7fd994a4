#include "shell/glyphs.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "core/maker_addresses.h"

using namespace lw::shell;

namespace {

// An icon theme folder holding only what the test puts there.
class IconThemeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(themes.isValid());
        QDir(themes.path()).mkpath(QStringLiteral("hicolor/16x16/apps"));
        QFile index(themes.filePath(QStringLiteral("hicolor/index.theme")));
        ASSERT_TRUE(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=Hicolor\nDirectories=16x16/apps\n\n"
                    "[16x16/apps]\nSize=16\nContext=Applications\nType=Fixed\n");
        QIcon::setThemeSearchPaths({ themes.path() });
        QIcon::setThemeName(QStringLiteral("hicolor"));
    }

    void TearDown() override
    {
        QIcon::setThemeSearchPaths(savedPaths);
        QIcon::setThemeName(savedName);
    }

    QTemporaryDir themes;
    const QStringList savedPaths = QIcon::themeSearchPaths();
    const QString savedName = QIcon::themeName();
};

} // namespace

TEST_F(IconThemeTest, WithoutAnInstalledIconTheProgramIconIsCompiledInAtEveryDesktopSize)
{
    const QIcon icon = applicationIcon();
    for (const int size : { 16, 22, 24, 32, 48, 64, 128, 256 }) {
        const QPixmap pixmap = icon.pixmap(size);
        EXPECT_EQ(pixmap.size(), QSize(size, size)) << size;
        // The coin sits in the middle of the picture: opaque at every size.
        EXPECT_EQ(pixmap.toImage().pixelColor(size / 2, size * 5 / 8).alpha(), 255) << size;
    }
}

TEST_F(IconThemeTest, AnInstalledIconNamedByTheApplicationIdComesFirst)
{
    QImage blue(16, 16, QImage::Format_ARGB32);
    blue.fill(Qt::blue);
    const QString name = lw::core::maker::ApplicationId.toString();
    ASSERT_TRUE(blue.save(themes.filePath(u"hicolor/16x16/apps/" + name + u".png")));

    EXPECT_EQ(applicationIcon().pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::blue));
}
