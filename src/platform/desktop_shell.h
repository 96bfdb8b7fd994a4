#pragma once

#include <functional>

#include <QString>

namespace lw::platform {

/// The desktop's "open" verb: a web address, a "mailto:" address or a local file goes to the
/// program the user chose for it. Tests replace it with a recorder, so none opens a browser.
class DesktopShell
{
public:
    /// Runs on the thread that asked, at most once, when an open that had started failed.
    using LateFailure = std::function<void()>;

    virtual ~DesktopShell() = default;

    /// Hands target over; false when it was refused before anything started. The opener may
    /// still fail afterwards: then onLateFailure runs (when set), from the event loop.
    [[nodiscard]] virtual bool open(const QString &target, LateFailure onLateFailure) = 0;
};

} // namespace lw::platform
