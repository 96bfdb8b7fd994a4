#pragma once

#include <functional>

#include <QByteArray>
#include <QDirIterator>
#include <QFile>
#include <QString>
#include <QStringList>

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lw::test {

// Root ignores file modes, so whatever a test expects a mode to refuse runs as "nobody" when
// the tests run as root (as they do in CI); a normal user is unprivileged already.

inline bool runningAsRoot()
{
    return ::geteuid() == 0;
}

/// Gives the folder and everything in it to the user the unprivileged work runs as.
inline bool handOver(const QString &folder)
{
    if (!runningAsRoot())
        return true;
    const passwd *user = ::getpwnam("nobody");
    const group *group = ::getgrnam("nogroup");
    if (user == nullptr || group == nullptr)
        return false;
    QStringList paths{ folder };
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
            QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    for (const QString &path : paths) {
        if (::lchown(QFile::encodeName(path).constData(), user->pw_uid, group->gr_gid) != 0)
            return false;
    }
    return true;
}

/// The command line that runs program with arguments unprivileged.
inline QStringList unprivilegedCommand(const QString &program, const QStringList &arguments)
{
    if (!runningAsRoot())
        return QStringList{ program } + arguments;
    return QStringList{ QStringLiteral("setpriv"), QStringLiteral("--reuid=nobody"),
        QStringLiteral("--regid=nogroup"), QStringLiteral("--clear-groups"), program }
    + arguments;
}

/// Runs work in a child process that drops to "nobody" as setpriv would; its exit status,
/// or -1 when the child did not get to run it.
inline int runUnprivileged(const std::function<int()> &work)
{
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        if (runningAsRoot()) {
            const passwd *user = ::getpwnam("nobody");
            const group *group = ::getgrnam("nogroup");
            if (user == nullptr || group == nullptr || ::setgroups(0, nullptr) != 0
                    || ::setresgid(group->gr_gid, group->gr_gid, group->gr_gid) != 0
                    || ::setresuid(user->pw_uid, user->pw_uid, user->pw_uid) != 0)
                ::_exit(125);
        }
        ::_exit(work());
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 125)
        return -1;
    return WEXITSTATUS(status);
}

} // namespace lw::test
