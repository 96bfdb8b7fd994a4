#include "platform/disk_file_store.h"

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lw::platform {

namespace {

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

// The rename is only durable once the folder's entry is on the disk as well.
bool flushFolder(const QString &folder)
{
    const int fd =
            ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool flushed = ::fsync(fd) == 0;
    return ::close(fd) == 0 && flushed;
}

// A settings file kept elsewhere through a link stays there, and the link stays a link.
QString resolvedTarget(const QString &path)
{
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : path;
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
    const QFileInfo info(path);
    if (!info.exists())
        return { FileContent::Status::Missing, {} };
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return { FileContent::Status::Failed, {} };
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return { FileContent::Status::Failed, {} };
    return { FileContent::Status::Read, std::move(bytes) };
}

bool DiskFileStore::replace(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(resolvedTarget(path));
    const QByteArray targetName = QFile::encodeName(target.absoluteFilePath());
    QByteArray temporary =
            QFile::encodeName(target.absolutePath() + u"/." + target.fileName() + u".XXXXXX");
    if (!pass(Step::CreateTemporary))
        return false;
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = writeTemporary(fd, targetName, bytes);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || !pass(Step::Rename)
            || ::rename(temporary.constData(), targetName.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    return pass(Step::FlushFolder) && flushFolder(target.absolutePath());
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
    return QDir().mkpath(folder) && QFileInfo(folder).isDir();
}

} // namespace lw::platform
