#include "platform/html_help.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "support/shell_doubles.h"

using lw::platform::HelpError;
using lw::platform::HtmlHelp;
using lw::test::RecordingDesktopShell;

namespace {

class HtmlHelpTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        for (const char *name : { "index.html", "getting-started.html" }) {
            QFile page(folder.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        }
        help.setHelpFile(folder.filePath(QStringLiteral("index.html")));
    }

    QTemporaryDir folder;
    RecordingDesktopShell shell;
    HtmlHelp help{ shell };
};

} // namespace

TEST_F(HtmlHelpTest, ContentsAndTheFirstRunTopicOpenTheirPagesThroughTheShell)
{
    help.showContents();
    help.showContext(10000);
    EXPECT_EQ(shell.opened,
            (QStringList{ folder.filePath(QStringLiteral("index.html")),
                    folder.filePath(QStringLiteral("getting-started.html")) }));
}

TEST_F(HtmlHelpTest, UnknownTopicsMissingPagesAndARefusingDesktopAreErrors)
{
    EXPECT_THROW(help.showContext(10001), HelpError);
    QFile::remove(folder.filePath(QStringLiteral("getting-started.html")));
    EXPECT_THROW(help.showContext(10000), HelpError);
    shell.refusing = true;
    EXPECT_THROW(help.showContents(), HelpError);
    EXPECT_TRUE(shell.opened.isEmpty());
    help.setHelpFile({});
    shell.refusing = false;
    EXPECT_THROW(help.showContents(), HelpError) << "no help file set";
}
