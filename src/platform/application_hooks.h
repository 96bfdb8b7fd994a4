#pragma once

#include <functional>

#include "platform/hint_window.h"

namespace lw::platform {

/// Application-wide settings and notifications that are not tied to one window.
class ApplicationHooks
{
public:
    virtual ~ApplicationHooks() = default;

    /// Called each time the application becomes the active one.
    virtual void setActivationHandler(std::function<void()> handler) = 0;

    /// Delays of the tool-tips, in milliseconds: before one shows, and how long it stays.
    virtual void setHintTiming(int pauseMs, int hidePauseMs) = 0;

    /// The window class every tool-tip of the application is shown in from now on; an empty
    /// class restores the toolkit's own.
    virtual void setHintWindowClass(HintWindowClass windowClass) = 0;

    /// Called before each tool-tip shows; an empty handler removes it.
    virtual void setShowHintHandler(ShowHintHandler handler) = 0;

    /// Called each time the application becomes idle: its event loop, or a modal loop over it,
    /// has handled every pending event and is about to wait. An empty handler removes it.
    virtual void setIdleHandler(std::function<void()> handler) = 0;

    /// Raises the application's active window (the main window or a dialog over it).
    virtual void bringActiveWindowToFront() = 0;

    /// Called once when the session ends: the session manager asks the program to save its
    /// work, or SIGTERM, SIGHUP or SIGINT arrives. The handler must not wait for the user; the
    /// process then ends, from a modal loop or before the main loop as well, with status 1 when
    /// the handler returns false and 0 otherwise.
    virtual void setSessionEndHandler(std::function<bool()> handler) = 0;
};

} // namespace lw::platform
