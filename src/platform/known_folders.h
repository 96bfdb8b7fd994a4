#pragma once

#include <QString>

namespace lw::platform {

/// The folders the program looks up at start-up; tests hand in temporary ones.
class KnownFolders
{
public:
    virtual ~KnownFolders() = default;

    /// The folder for settings shared by the user's programs, without trailing separator.
    virtual QString commonData() const = 0;

    /// The folder of the running program, with trailing separator.
    virtual QString program() const = 0;
};

} // namespace lw::platform
