#pragma once

#include <functional>

#include "platform/file_store.h"

#include <sys/types.h>

namespace lw::platform {

/// The files on the local disk, named by any bytes (see localPath). A replacement writes a
/// temporary file in the same folder, flushes it to the disk and then puts it in the old
/// file's place, so a crash or a full disk never leaves a truncated file behind. The temporary
/// file has no name where the file system allows it, else a name marked as the program's own.
/// A replacement follows a chain of links to the real file and refuses a file the user may
/// not write. New settings files are private; after each one, marked temporaries over a minute
/// old that killed replacements left in its folder and the own folder are removed. A folder a
/// document is written to is never swept. Folders it makes are private to the user (0700).
class DiskFileStore final : public FileStore
{
public:
    /// The steps of one replacement, in order. Refusing Unnamed makes the temporary file a
    /// named one, as on a file system that has no files without a name.
    enum class Step { CreateTemporary, Unnamed, Write, Flush, Rename, FlushFolder };

    /// Asked before each step; false makes the step fail as if the system had refused it.
    using StepGate = std::function<bool(Step)>;

    /// A store whose steps all run; tests hand in a gate to break a replacement at any step.
    /// The own folder, where the settings file lives, holds the short-lived name a document's
    /// replacement needs; none keeps that name beside the document.
    explicit DiskFileStore(StepGate gate = {}, const QString &ownFolder = {});

    FileContent read(const QString &path) const override;
    [[nodiscard]] bool replace(const QString &path, const QByteArray &bytes) override;
    [[nodiscard]] bool replaceDocument(const QString &path, const QByteArray &bytes) override;
    [[nodiscard]] bool makePath(const QString &folder) override;

private:
    bool pass(Step step) const;
    bool replaceFile(const QByteArray &target, const QByteArray &bytes, mode_t mode);
    bool writeTemporary(int fd, const QByteArray &targetName, const QByteArray &bytes) const;

    StepGate m_gate;
    QByteArray m_ownFolder;
};

} // namespace lw::platform
