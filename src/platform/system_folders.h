#pragma once

#include "platform/known_folders.h"

namespace lw::platform {

/// This process's folders: the user's settings base and the executable's own folder.
class SystemFolders final : public KnownFolders
{
public:
    QString commonData() const override;
    QString program() const override;
};

} // namespace lw::platform
