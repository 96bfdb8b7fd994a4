#include "core/window_frame_rules.h"

namespace lw::core {

std::uint32_t ownerWithoutButton(std::uint32_t exStyle)
{
    return (exStyle & ~AppWindowStyle) | ToolWindowStyle;
}

std::uint32_t mainWindowWithButton(std::uint32_t exStyle)
{
    return (exStyle & ~ToolWindowStyle) | AppWindowStyle;
}

std::optional<int> ownShowCommand(std::uint32_t sysCommand)
{
    constexpr std::uint32_t Minimize = 0xF020;
    constexpr std::uint32_t Restore = 0xF120;
    constexpr int ShowMinimized = 6;
    constexpr int ShowRestore = 9;
    // The low four bits are the system's own.
    switch (sysCommand & ~std::uint32_t{ 0xF }) {
    case Minimize:
        return ShowMinimized;
    case Restore:
        return ShowRestore;
    default:
        return std::nullopt;
    }
}

bool compositionOn(int majorVersion, std::optional<bool> enabled)
{
    return majorVersion > 5 && enabled.value_or(false);
}

platform::FrameMargins glassMargins()
{
    return { 0, 0, 0, 24 };
}

} // namespace lw::core
