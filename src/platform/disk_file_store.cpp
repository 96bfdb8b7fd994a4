#include "platform/disk_file_store.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <ctime>
#include <memory>
#include <optional>

#include "platform/local_path.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lw::platform {

namespace {

constexpr int MaxLinks = 40; // the kernel's own limit for a chain of links
constexpr std::time_t StaleAfterSeconds = 60; // a save still running elsewhere is younger
constexpr qsizetype TemporarySuffixLength = 6; // mkostemp's "XXXXXX"

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

std::optional<QByteArray> readAll(int fd)
{
    QByteArray bytes;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return bytes;
        bytes.append(buffer, got);
    }
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0     ? QByteArrayLiteral(".")
            : slash == 0 ? QByteArrayLiteral("/")
                         : path.left(slash);
}

QByteArray nameOf(const QByteArray &path)
{
    return path.sliced(path.lastIndexOf('/') + 1);
}

// The rename is only durable once the folder's entry is on the disk as well.
bool flushFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool flushed = ::fsync(fd) == 0;
    return ::close(fd) == 0 && flushed;
}

// A settings file kept elsewhere through links stays there, and the links stay links.
// Nothing for a loop of links.
std::optional<QByteArray> resolvedTarget(QByteArray path)
{
    for (int hop = 0; hop < MaxLinks; ++hop) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.constData(), target, sizeof target);
        if (length < 0)
            return path; // no link: a file, or nothing yet
        if (size_t(length) == sizeof target)
            return std::nullopt;
        const QByteArray next(target, length);
        path = next.startsWith('/') ? next : folderOf(path) + '/' + next;
    }
    return std::nullopt;
}

// A file the user made read-only keeps its content; the save reports the failure instead.
bool mayReplace(const QByteArray &target)
{
    return ::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) == 0 || errno == ENOENT;
}

bool isTemporaryOf(const QByteArray &entry, const QByteArray &name)
{
    const QByteArray prefix = '.' + name + '.';
    if (entry.size() != prefix.size() + TemporarySuffixLength || !entry.startsWith(prefix))
        return false;
    for (const char c : entry.sliced(prefix.size())) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

// Temporary files of saves killed before their rename; removing them is a courtesy, so a
// failure here fails nothing.
void removeStaleTemporaries(const QByteArray &folder, const QByteArray &name)
{
    const std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir(folder.constData()), &::closedir);
    if (!dir)
        return;
    const std::time_t cutoff = std::time(nullptr) - StaleAfterSeconds;
    while (const dirent *entry = ::readdir(dir.get())) {
        struct stat info;
        if (!isTemporaryOf(QByteArray(entry->d_name), name)
                || ::fstatat(::dirfd(dir.get()), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISREG(info.st_mode) && info.st_mtime < cutoff)
            ::unlinkat(::dirfd(dir.get()), entry->d_name, 0);
    }
}

} // namespace

DiskFileStore::DiskFileStore(StepGate gate)
    : m_gate(std::move(gate))
{ }

bool DiskFileStore::pass(Step step) const
{
    return !m_gate || m_gate(step);
}

FileContent DiskFileStore::read(const QString &path) const
{
    // Non-blocking, so that a pipe put in the file's place cannot hang the start.
    const int fd = ::open(localPathBytes(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        return { missing ? FileContent::Status::Missing : FileContent::Status::Failed, {} };
    }
    struct stat info;
    std::optional<QByteArray> bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
        bytes = readAll(fd);
    ::close(fd);
    if (!bytes)
        return { FileContent::Status::Failed, {} };
    return { FileContent::Status::Read, std::move(*bytes) };
}

bool DiskFileStore::replace(const QString &path, const QByteArray &bytes)
{
    const std::optional<QByteArray> target = resolvedTarget(localPathBytes(path));
    if (!target || !mayReplace(*target) || !pass(Step::CreateTemporary))
        return false;
    const QByteArray folder = folderOf(*target);
    QByteArray temporary = folder + "/." + nameOf(*target) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = writeTemporary(fd, *target, bytes);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || !pass(Step::Rename)
            || ::rename(temporary.constData(), target->constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    if (!pass(Step::FlushFolder) || !flushFolder(folder))
        return false;
    removeStaleTemporaries(folder, nameOf(*target));
    return true;
}

bool DiskFileStore::writeTemporary(
        int fd, const QByteArray &targetName, const QByteArray &bytes) const
{
    // The temporary file is private; the replacement keeps the old file's permissions where
    // the file system has them (a failure there is no reason to lose the save).
    struct stat old;
    if (::stat(targetName.constData(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    if (!pass(Step::Write) || !writeAll(fd, bytes))
        return false;
    return pass(Step::Flush) && ::fsync(fd) == 0;
}

bool DiskFileStore::makePath(const QString &folder)
{
    const QByteArray path = localPathBytes(folder);
    // Each folder made here is the user's alone, as a settings folder should be.
    for (qsizetype slash = path.indexOf('/', 1); slash >= 0; slash = path.indexOf('/', slash + 1)) {
        if (::mkdir(path.left(slash).constData(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat info;
    return ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace lw::platform
