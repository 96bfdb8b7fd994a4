#pragma once

#include <QString>

namespace lw::platform {

/// The desktop's "open" verb: a web address, a "mailto:" address or a local file goes to the
/// program the user chose for it. Tests replace it with a recorder, so none opens a browser.
class DesktopShell
{
public:
    virtual ~DesktopShell() = default;

    /// Hands target over; false when the desktop refused it. A target with a scheme is an
    /// address, anything else a local path.
    [[nodiscard]] virtual bool open(const QString &target) = 0;
};

} // namespace lw::platform
