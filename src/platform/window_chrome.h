#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace lw::platform {

/// The two windows whose frame the program adjusts: the application's hidden owner window,
/// which holds the taskbar button by default, and the main window.
enum class ChromeWindow { ApplicationOwner, Main };

/// Pixels by which the window frame reaches into the client area.
struct FrameMargins
{
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;

    bool operator==(const FrameMargins &) const = default;
};

/// The desktop's window-frame services: extended window styles, show commands, the system
/// command message, visual styles, desktop composition and the title-bar buttons the window
/// manager draws. Desktops without them report them absent.
class WindowChrome
{
public:
    virtual ~WindowChrome() = default;

    /// The window's extended style flags; 0 where the desktop has none.
    virtual std::uint32_t extendedStyle(ChromeWindow window) const = 0;

    virtual void setExtendedStyle(ChromeWindow window, std::uint32_t style) = 0;

    /// Applies a show command (0 hide, 5 show, 6 minimise, 9 restore).
    virtual void showWindow(ChromeWindow window, int showCommand) = 0;

    /// Where the main window's system command messages go; the handler answers true when it
    /// handled the command itself.
    virtual void setSystemCommandHandler(std::function<bool(std::uint32_t command)> handler) = 0;

    /// The platform's major version number; 0 where there is none.
    virtual int platformMajorVersion() const = 0;

    /// Whether the program's windows draw with the desktop's visual styles (themes).
    virtual bool visualStylesEnabled() const = 0;

    /// Whether the window manager composes the desktop; nullopt when its library or entry
    /// point is missing.
    virtual std::optional<bool> compositionEnabled() = 0;

    /// Extends the main window's frame into its client area; ignored without composition.
    virtual void extendFrameIntoClientArea(FrameMargins margins) = 0;

    /// Asks the window manager for a title bar without any buttons or window menu on the
    /// native window `window`, created and not yet shown: it can be moved, but not resized,
    /// minimised, maximised or closed from its frame. Window managers may ignore the request.
    virtual void removeTitleBarButtons(std::uintptr_t window) = 0;
};

/// A desktop with none of these services: nothing to adjust.
class AbsentWindowChrome : public WindowChrome
{
public:
    std::uint32_t extendedStyle(ChromeWindow) const override { return 0; }

    void setExtendedStyle(ChromeWindow, std::uint32_t) override { }

    void showWindow(ChromeWindow, int) override { }

    void setSystemCommandHandler(std::function<bool(std::uint32_t)>) override { }

    int platformMajorVersion() const override { return 0; }

    bool visualStylesEnabled() const override { return false; }

    std::optional<bool> compositionEnabled() override { return std::nullopt; }

    void extendFrameIntoClientArea(FrameMargins) override { }

    void removeTitleBarButtons(std::uintptr_t) override { }
};

} // namespace lw::platform
