#pragma once

#include <cstdint>
#include <optional>

#include "platform/window_chrome.h"

namespace lw::core {

inline constexpr std::uint32_t AppWindowStyle = 0x40000; // owns a taskbar button
inline constexpr std::uint32_t ToolWindowStyle = 0x80; // never has a taskbar button

/// The application owner's style once it gives its taskbar button away.
std::uint32_t ownerWithoutButton(std::uint32_t exStyle);

/// The main window's style, so that it owns the program's taskbar button.
std::uint32_t mainWindowWithButton(std::uint32_t exStyle);

/// The show command the main window applies to itself for a system command (minimise or
/// restore); nullopt leaves the command to the default handling.
std::optional<int> ownShowCommand(std::uint32_t sysCommand);

/// Desktop composition counts as on only after version 5 and when the query says so; a
/// missing query means off.
bool compositionOn(int majorVersion, std::optional<bool> enabled);

/// How far the glass frame reaches into the client area: along the bottom only.
platform::FrameMargins glassMargins();

} // namespace lw::core
