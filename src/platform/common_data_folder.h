#pragma once

#include <QString>

namespace lw::platform {

/// The folder for the program's shared settings: `xdgConfigHome` when it is an absolute
/// path, else ".config" in the home folder; without a trailing separator.
QString commonDataFolder(const QString &xdgConfigHome, const QString &homeFolder);

/// The same for this process: $XDG_CONFIG_HOME and the user's home folder.
QString commonDataFolder();

} // namespace lw::platform
