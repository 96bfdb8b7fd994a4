#pragma once

#include <optional>

namespace lw::app {

/// Names the application: its name, version and desktop id (which also names its icon).
void nameApplication();

/// Answers help, version and data-folder requests before any window system is touched, so
/// they need no display; returns the exit status, or nothing when the window should open.
/// Unknown options are left alone here: they may be the window system's own.
std::optional<int> answerOnConsole(int &argc, char **argv);

/// Once the window system has taken its own options: answers what is left, refusing unknown
/// options; returns the exit status, or nothing when the window should open.
std::optional<int> answerLeftoverArguments();

} // namespace lw::app
