#include "core/command_line.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "core/app_texts.h"
#include "core/maker_addresses.h"
#include "support/row_printers.h"

using namespace lw::core;

namespace {

StartRequest read(const QStringList &options)
{
    return readCommandLine(QStringList{ QStringLiteral("/usr/bin/loanwright") } + options);
}

} // namespace

TEST(CommandLine, OpensTheWindowWithoutOptionsAndIgnoresFileNames)
{
    EXPECT_EQ(read({}).mode, StartMode::Window);
    // Some file managers append the file a user dropped on the menu entry.
    EXPECT_EQ(read({ QStringLiteral("/home/u/offer.pdf") }).mode, StartMode::Window);
    EXPECT_EQ(read({ QStringLiteral("/home/u/offer.pdf"), QStringLiteral("--version") }).mode,
            StartMode::Version);
}

TEST(CommandLine, AnswersHelpVersionAndDataFolderInShortAndLongForm)
{
    EXPECT_EQ(read({ QStringLiteral("-h") }).mode, StartMode::Help);
    EXPECT_EQ(read({ QStringLiteral("-v") }).mode, StartMode::Version);
    EXPECT_EQ(read({ QStringLiteral("--data-folder") }).mode, StartMode::DataFolder);

    const StartRequest help = read({ QStringLiteral("--help") });
    ASSERT_EQ(help.mode, StartMode::Help);
    for (const char *option : { "--help", "--version", "--data-folder" })
        EXPECT_TRUE(help.text.contains(QLatin1StringView(option))) << option;
    EXPECT_EQ(read({ QStringLiteral("--version") }).text.toStdString(), "Loanwright 4.5.1\n");
}

TEST(CommandLine, RefusesUnknownOptionsAndNamesThem)
{
    const StartRequest request = read({ QStringLiteral("--colour") });
    EXPECT_EQ(request.mode, StartMode::BadArguments);
    EXPECT_TRUE(request.text.contains(QStringLiteral("colour"))) << request.text.toStdString();
    EXPECT_TRUE(request.text.endsWith(u'\n'));
}

TEST(CommandLine, VersionAndIdAgreeWithTheTitleTheDomainAndThePackage)
{
    EXPECT_EQ(
            applicationTitle().toStdString(), "Loanwright, " + applicationVersion().toStdString());
    EXPECT_EQ(applicationVersion().toStdString(), LW_PACKAGE_VERSION);
    EXPECT_EQ(maker::ApplicationId.toString().toStdString(), LW_PACKAGE_APPLICATION_ID);
    // The id is the maker's web domain reversed, so nobody else's domain names the program.
    QStringList host = maker::SiteDomain.toString().split(u'.');
    host.removeFirst();
    std::reverse(host.begin(), host.end());
    EXPECT_EQ(maker::ApplicationId.toString().toStdString(),
            host.join(u'.').toStdString() + ".Loanwright");
}

namespace {

struct ConsoleCase
{
    const char *name;
    QStringList options;
    StartMode mode; // judged before the toolkit has taken its own options
};

LW_PRINT_ROW_NAME(ConsoleCase)

class CommandLineBeforeTheToolkit : public testing::TestWithParam<ConsoleCase>
{
};

} // namespace

TEST_P(CommandLineBeforeTheToolkit, RefusesOnlyWhatTheToolkitDoesNotTake)
{
    const ConsoleCase &row = GetParam();
    EXPECT_EQ(readCommandLine(
                      withoutWindowSystemOptions(
                              QStringList{ QStringLiteral("/usr/bin/loanwright") } + row.options))
                      .mode,
            row.mode);
}

INSTANTIATE_TEST_SUITE_P(Options, CommandLineBeforeTheToolkit,
        testing::Values(
                ConsoleCase{ "Unknown", { QStringLiteral("--bogus") }, StartMode::BadArguments },
                ConsoleCase{ "ToolkitOptionAndValue",
                        { QStringLiteral("-platform"), QStringLiteral("offscreen") },
                        StartMode::Window },
                ConsoleCase{ "ToolkitOptionWithEquals", { QStringLiteral("--style=fusion") },
                        StartMode::Window },
                ConsoleCase{ "UnknownAfterAToolkitOption",
                        { QStringLiteral("-display"), QStringLiteral(":0"),
                                QStringLiteral("--bogus") },
                        StartMode::BadArguments }),
        lw::test::RowName());
