#pragma once

#include "platform/desktop_shell.h"

namespace lw::platform {

/// Opens addresses and files with the desktop's chosen programs (xdg-open); never through a
/// shell command line.
class QtDesktopShell final : public DesktopShell
{
public:
    [[nodiscard]] bool open(const QString &target) override;
};

} // namespace lw::platform
