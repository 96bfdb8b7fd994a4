#pragma once

#include <QStringList>

namespace lw::core {

/// What a start was asked to do: open the window, or answer on the console and end.
enum class StartMode { Window, Help, Version, DataFolder, BadArguments };

struct StartRequest
{
    StartMode mode = StartMode::Window;
    /// What to print for help, version or bad arguments, ending in a line break.
    QString text;
};

/// Reads the program's arguments, the program's own name first. Other arguments than
/// options are ignored: the calculator opens no files.
StartRequest readCommandLine(const QStringList &arguments);

/// The arguments without the options the window system's toolkit takes for itself (such as
/// "-platform offscreen" or "--style=fusion"), so the others can be judged before any display
/// is opened.
QStringList withoutWindowSystemOptions(const QStringList &arguments);

/// The release as people write it ("4.5.1").
QString applicationVersion();

} // namespace lw::core
