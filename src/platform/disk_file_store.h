#pragma once

#include <functional>

#include "platform/file_store.h"

namespace lw::platform {

/// The files on the local disk, named by any bytes (see localPath). A replacement goes through
/// a temporary file in the same folder that is flushed to the disk and then renamed over the
/// old file, so a crash or a full disk never leaves a truncated file behind. It follows a chain
/// of links to the real file, refuses a file the user may not write, and removes temporary
/// files of its own pattern that a killed replacement left and that are over a minute old.
/// Folders it makes are private to the user (mode 0700).
class DiskFileStore final : public FileStore
{
public:
    /// The steps of one replacement, in order.
    enum class Step { CreateTemporary, Write, Flush, Rename, FlushFolder };

    /// Asked before each step; false makes the step fail as if the system had refused it.
    using StepGate = std::function<bool(Step)>;

    /// A store whose steps all run; tests hand in a gate to break a replacement at any step.
    explicit DiskFileStore(StepGate gate = {});

    FileContent read(const QString &path) const override;
    [[nodiscard]] bool replace(const QString &path, const QByteArray &bytes) override;
    [[nodiscard]] bool makePath(const QString &folder) override;

private:
    bool pass(Step step) const;
    bool writeTemporary(int fd, const QByteArray &targetName, const QByteArray &bytes) const;

    StepGate m_gate;
};

} // namespace lw::platform
