#include "core/command_line.h"

#include <QCommandLineParser>

namespace lw::core {

namespace {

const QCommandLineOption &helpOption()
{
    static const QCommandLineOption option(
            { QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Show this help."));
    return option;
}

const QCommandLineOption &versionOption()
{
    static const QCommandLineOption option({ QStringLiteral("v"), QStringLiteral("version") },
            QStringLiteral("Show the program's version."));
    return option;
}

const QCommandLineOption &dataFolderOption()
{
    // Lets an installer or a packager see where the program looks for what it ships.
    static const QCommandLineOption option(QStringLiteral("data-folder"),
            QStringLiteral("Print the folder the program reads its help pages and licence "
                           "from (its own folder, links resolved), then exit."));
    return option;
}

void describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
            QStringLiteral("Loanwright: the monthly payment and the total cost of a home loan."));
    parser.addOption(helpOption());
    parser.addOption(versionOption());
    parser.addOption(dataFolderOption());
}

} // namespace

StartRequest readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    describe(parser);
    if (!parser.parse(arguments))
        return { StartMode::BadArguments, parser.errorText() + u"\nTry --help for the options.\n" };
    if (parser.isSet(helpOption()))
        return { StartMode::Help, parser.helpText() };
    if (parser.isSet(versionOption()))
        return { StartMode::Version, u"Loanwright " + applicationVersion() + u'\n' };
    if (parser.isSet(dataFolderOption()))
        return { StartMode::DataFolder, {} };
    return {};
}

QString applicationVersion()
{
    return QStringLiteral("4.5.1");
}

} // namespace lw::core
