#pragma once

#include <functional>

#include "platform/file_store.h"

namespace lw::platform {

/// The files on the local disk. A replacement goes through a temporary file in the same
/// folder that is flushed to the disk and then renamed over the old file, so a crash or a
/// full disk never leaves a truncated file behind.
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
