#include "core/command_line.h"

#include <algorithm>
#include <array>

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

// The toolkit's own options, with one dash or two; those in the first list take a value,
// either as the next argument or after '='.
constexpr std::array<QStringView, 26> WithValue{ u"platform", u"platformpluginpath",
    u"platformtheme", u"plugin", u"qwindowgeometry", u"qwindowicon", u"qwindowtitle", u"session",
    u"display", u"geometry", u"title", u"name", u"visual", u"ncols", u"cmap", u"im", u"fn", u"font",
    u"bg", u"background", u"fg", u"foreground", u"btn", u"button", u"style", u"stylesheet" };
constexpr std::array<QStringView, 6> WithoutValue{ u"reverse", u"nograb", u"dograb", u"sync",
    u"widgetcount", u"qmljsdebugger" };

bool isOneOf(QStringView name, const auto &names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The option's name without its dashes and any "=value"; empty for a non-option.
QStringView optionName(QStringView argument)
{
    if (!argument.startsWith(u'-') || argument.size() < 2)
        return {};
    argument = argument.mid(argument.startsWith(u"--") ? 2 : 1);
    return argument.left(argument.indexOf(u'='));
}

} // namespace

QStringList withoutWindowSystemOptions(const QStringList &arguments)
{
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const QStringView name = i == 0 ? QStringView() : optionName(argument);
        if (isOneOf(name, WithValue)) {
            if (!argument.contains(u'='))
                ++i; // the value is the next argument
            continue;
        }
        if (!isOneOf(name, WithoutValue))
            kept.append(argument);
    }
    return kept;
}

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
