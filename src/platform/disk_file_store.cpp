#include "platform/disk_file_store.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
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
constexpr qsizetype TemporarySuffixLength = 6;

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

// A temporary name carries a marker no person puts in a file name, so that only the program's
// own files are ever taken for leftovers.
const QByteArray TemporaryMarker = QByteArrayLiteral(".lw-tmp-");

QByteArray randomSuffix()
{
    static constexpr char Letters[] =
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray suffix(TemporarySuffixLength, Qt::Uninitialized);
    for (char &c : suffix)
        c = Letters[::arc4random_uniform(sizeof Letters - 1)];
    return suffix;
}

// ".<name>.lw-tmp-" and six letters or digits, for any name.
bool isTemporary(const QByteArray &entry)
{
    const qsizetype suffixAt = entry.size() - TemporarySuffixLength;
    if (!entry.startsWith('.') || suffixAt - TemporaryMarker.size() < 2
            || entry.sliced(suffixAt - TemporaryMarker.size(), TemporaryMarker.size())
                    != TemporaryMarker)
        return false;
    for (const char c : entry.sliced(suffixAt)) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

// Temporary names of replacements killed before their rename; removing them is a courtesy, so
// a failure here fails nothing.
void removeStaleTemporaries(const QByteArray &folder)
{
    const std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir(folder.constData()), &::closedir);
    if (!dir)
        return;
    const std::time_t cutoff = std::time(nullptr) - StaleAfterSeconds;
    while (const dirent *entry = ::readdir(dir.get())) {
        struct stat info;
        if (!isTemporary(QByteArray(entry->d_name))
                || ::fstatat(::dirfd(dir.get()), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISREG(info.st_mode) && info.st_mtime < cutoff)
            ::unlinkat(::dirfd(dir.get()), entry->d_name, 0);
    }
}

// Tries fresh marked names until one is free; `make` creates the entry at the given path.
template <typename Make>
std::optional<QByteArray> atFreeName(const QByteArray &target, Make make)
{
    const QByteArray prefix = folderOf(target) + "/." + nameOf(target) + TemporaryMarker;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = prefix + randomSuffix();
        if (make(name))
            return name;
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

// The file a replacement writes; no name when the file system makes files without one.
struct Temporary
{
    int fd = -1;
    QByteArray name;
};

// A file without a name, where the file system has them, so that a kill leaves nothing.
Temporary openTemporary(const QByteArray &target, mode_t mode, bool unnamedAllowed)
{
    const int unnamed = unnamedAllowed
            ? ::open(folderOf(target).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode)
            : -1;
    if (unnamed >= 0)
        return { unnamed, {} };
    int fd = -1;
    const auto name = atFreeName(target, [&](const QByteArray &path) {
        fd = ::open(path.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode);
        return fd >= 0;
    });
    return { name ? fd : -1, name.value_or(QByteArray()) };
}

// Without /proc, the file's own descriptor names it, where the kernel allows that.
bool linkUnnamed(int fd, const QByteArray &path)
{
    const QByteArray proc = "/proc/self/fd/" + QByteArray::number(fd);
    if (::linkat(AT_FDCWD, proc.constData(), AT_FDCWD, path.constData(), AT_SYMLINK_FOLLOW) == 0)
        return true;
    return errno != EEXIST && ::linkat(fd, "", AT_FDCWD, path.constData(), AT_EMPTY_PATH) == 0;
}

std::optional<QByteArray> linkAtFreeName(int fd, const QByteArray &target)
{
    return atFreeName(target, [&](const QByteArray &path) {
        return linkUnnamed(fd, path);
    });
}

// A new file appears under its name whole at once. An old one is replaced by rename, which
// needs a name to move; a kill between the link and the rename leaves that name behind, so it
// goes in the program's own folder where that is on the same file system, for the next save
// to sweep, and only else beside the target.
bool placeUnnamed(int fd, const QByteArray &target, const QByteArray &ownFolder)
{
    if (linkUnnamed(fd, target))
        return true;
    if (errno != EEXIST)
        return false;
    auto name = ownFolder.isEmpty() ? std::nullopt
                                    : linkAtFreeName(fd, ownFolder + '/' + nameOf(target));
    if (!name)
        name = linkAtFreeName(fd, target);
    if (!name)
        return false;
    if (::rename(name->constData(), target.constData()) == 0)
        return true;
    ::unlink(name->constData());
    return false;
}

bool place(const Temporary &temporary, const QByteArray &target, const QByteArray &ownFolder)
{
    if (temporary.name.isEmpty())
        return placeUnnamed(temporary.fd, target, ownFolder);
    return ::rename(temporary.name.constData(), target.constData()) == 0;
}

} // namespace

DiskFileStore::DiskFileStore(StepGate gate, const QString &ownFolder)
    : m_gate(std::move(gate))
    , m_ownFolder(localPathBytes(ownFolder))
{
    if (m_ownFolder.endsWith('/'))
        m_ownFolder.chop(1);
}

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
    if (!target || !replaceFile(*target, bytes, 0600))
        return false;
    // Only here: the settings folder is the program's, a folder the user exports into is not.
    removeStaleTemporaries(folderOf(*target));
    if (!m_ownFolder.isEmpty() && m_ownFolder != folderOf(*target))
        removeStaleTemporaries(m_ownFolder);
    return true;
}

bool DiskFileStore::replaceDocument(const QString &path, const QByteArray &bytes)
{
    const std::optional<QByteArray> target = resolvedTarget(localPathBytes(path));
    return target && replaceFile(*target, bytes, 0666); // the umask takes off what it must
}

bool DiskFileStore::replaceFile(const QByteArray &target, const QByteArray &bytes, mode_t mode)
{
    if (!mayReplace(target) || !pass(Step::CreateTemporary))
        return false;
    const Temporary temporary = openTemporary(target, mode, pass(Step::Unnamed));
    if (temporary.fd < 0)
        return false;
    const bool written = writeTemporary(temporary.fd, target, bytes);
    const bool placed = written && pass(Step::Rename) && place(temporary, target, m_ownFolder);
    const bool closed = ::close(temporary.fd) == 0;
    if (!placed && !temporary.name.isEmpty())
        ::unlink(temporary.name.constData());
    if (!placed || !closed)
        return false;
    return pass(Step::FlushFolder) && flushFolder(folderOf(target));
}

bool DiskFileStore::writeTemporary(
        int fd, const QByteArray &targetName, const QByteArray &bytes) const
{
    // The replacement keeps the old file's permissions where the file system has them (a
    // failure there is no reason to lose the save).
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
