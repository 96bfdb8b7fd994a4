#pragma once

#include "platform/window_chrome.h"

namespace lw::platform {

/// The frame services of an X11 desktop: the window manager reads which title-bar buttons a
/// window wants from its Motif hints, which Qt cannot set to a title without buttons. The
/// other services are absent there, as they are on every other desktop this runs on.
class X11WindowChrome final : public AbsentWindowChrome
{
public:
    /// Does nothing when the application does not run on X11.
    void removeTitleBarButtons(std::uintptr_t window) override;
};

} // namespace lw::platform
