#include "platform/child_process.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <thread>

#include <QFile>

#include <spawn.h>
#include <sys/wait.h>

extern char **environ; // NOLINT(readability-redundant-declaration): POSIX declares it nowhere

namespace lw::platform {

bool isPlainArgument(const QString &argument)
{
    if (argument.startsWith(u'-'))
        return false;
    return std::none_of(argument.cbegin(), argument.cend(), [](QChar c) {
        return c.category() == QChar::Other_Control;
    });
}

std::optional<pid_t> startWithArgument(const QString &program, const QString &argument)
{
    QByteArray path = QFile::encodeName(program);
    QByteArray onlyArgument = QFile::encodeName(argument);
    std::array<char *, 3> argv{ path.data(), onlyArgument.data(), nullptr };
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // The child starts with no blocked signals, whatever this thread blocks.
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
    pid_t pid = 0;
    const int result =
            posix_spawn(&pid, path.constData(), nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (result != 0)
        return std::nullopt;
    return pid;
}

void reapInBackground(
        pid_t pid, std::chrono::milliseconds patience, std::function<void(bool failed)> done)
{
    const auto started = std::chrono::steady_clock::now();
    std::thread([pid, patience, started, done = std::move(done)] {
        int status = 0;
        pid_t reaped = 0;
        do
            reaped = waitpid(pid, &status, 0);
        while (reaped < 0 && errno == EINTR);
        const bool inTime = std::chrono::steady_clock::now() - started < patience;
        // Reaped by someone else, the outcome is unknown: no reason to complain.
        const bool failed = reaped == pid && (!WIFEXITED(status) || WEXITSTATUS(status) != 0);
        done(inTime && failed);
    }).detach();
}

} // namespace lw::platform
