#pragma once

#include <chrono>
#include <functional>
#include <optional>

#include <QString>

#include <sys/types.h>

namespace lw::platform {

/// False for an argument a program could take for an option (a leading "-") or that holds a
/// control character; such an argument never reaches a program.
bool isPlainArgument(const QString &argument);

/// Starts program directly, no shell between, with argument as its only argument. The
/// process id, or nullopt when it could not be started.
std::optional<pid_t> startWithArgument(const QString &program, const QString &argument);

/// Waits for pid to end in a thread of its own and calls done there: with true when it ended
/// with a non-zero status or by a signal within patience, else with false. A process still
/// running after patience is left to run; it is reaped whenever it ends.
void reapInBackground(
        pid_t pid, std::chrono::milliseconds patience, std::function<void(bool failed)> done);

} // namespace lw::platform
