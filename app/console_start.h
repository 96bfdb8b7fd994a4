#pragma once

#include <optional>

namespace lw::app {

/// Names the application: its name, version and desktop id (which also names its icon).
void nameApplication();

/// Answers help, version and data-folder requests, and refuses unknown options, before any
/// window system is touched, so none of them needs a display; returns the exit status, or
/// nothing when the window should open. The window system's own options are left to it.
std::optional<int> answerOnConsole(int &argc, char **argv);

/// Once the window system has taken its own options: answers what is left, refusing unknown
/// options; returns the exit status, or nothing when the window should open.
std::optional<int> answerLeftoverArguments();

} // namespace lw::app
