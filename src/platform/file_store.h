#pragma once

#include <QByteArray>
#include <QString>

namespace lw::platform {

/// What reading a file found.
struct FileContent
{
    enum class Status {
        Read, // bytes holds the whole file
        Missing, // nothing exists at the path
        Failed, // something is there but could not be read: a folder, no permission, an I/O error
    };

    Status status = Status::Missing;
    QByteArray bytes;
};

/// The files the program keeps; tests hand in a recorder that can fail on purpose.
class FileStore
{
public:
    virtual ~FileStore() = default;

    /// Reads the whole file.
    virtual FileContent read(const QString &path) const = 0;

    /// Replaces the file's content in one step: whatever happens, even a crash halfway, the
    /// path then holds the old bytes or all the new ones. False when the new ones are not
    /// known to be on disk.
    [[nodiscard]] virtual bool replace(const QString &path, const QByteArray &bytes) = 0;

    /// Replaces a document the user writes to share, in one step like replace(). A new one
    /// follows the user's umask instead of being private, and nothing else in its folder is
    /// touched: the folder is the user's, not the program's.
    [[nodiscard]] virtual bool replaceDocument(const QString &path, const QByteArray &bytes) = 0;

    /// Creates the folder and any missing parents; true when it exists afterwards.
    [[nodiscard]] virtual bool makePath(const QString &folder) = 0;
};

} // namespace lw::platform
