#include "console_start.h"

#include <cstdio>

#include <QCoreApplication>
#include <QGuiApplication>

#include "core/command_line.h"
#include "core/maker_addresses.h"
#include "platform/system_folders.h"

namespace lw::app {

namespace {

QStringList argumentList(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

std::optional<int> answer(const core::StartRequest &request)
{
    switch (request.mode) {
    case core::StartMode::Window:
        return std::nullopt;
    case core::StartMode::BadArguments:
        std::fputs(qPrintable(request.text), stderr);
        return 1;
    case core::StartMode::DataFolder:
        std::fputs(qPrintable(platform::SystemFolders().program() + u'\n'), stdout);
        return 0;
    default:
        std::fputs(qPrintable(request.text), stdout);
        return 0;
    }
}

} // namespace

void nameApplication()
{
    // The class part of the window's WM_CLASS; the desktop entry's StartupWMClass names it.
    QCoreApplication::setApplicationName(QStringLiteral("Loanwright"));
    QCoreApplication::setApplicationVersion(core::applicationVersion());
    QGuiApplication::setDesktopFileName(core::maker::ApplicationId.toString());
}

std::optional<int> answerOnConsole(int &argc, char **argv)
{
    const auto ownArguments = [](const QStringList &arguments) {
        return core::readCommandLine(core::withoutWindowSystemOptions(arguments));
    };
    if (ownArguments(argumentList(argc, argv)).mode == core::StartMode::Window)
        return std::nullopt;
    // The application object gives the help its program name and the program's folder.
    const QCoreApplication console(argc, argv);
    return answer(ownArguments(QCoreApplication::arguments()));
}

std::optional<int> answerLeftoverArguments()
{
    return answer(core::readCommandLine(QCoreApplication::arguments()));
}

} // namespace lw::app
