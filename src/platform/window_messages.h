#pragma once

#include <cstdint>

class QObject;

namespace lw::platform {

/// The message a desktop that hides keyboard cues until Alt is pressed sends a window whose
/// cue state changed.
inline constexpr std::uint32_t UiStateUpdateMessage = 0x128;

/// One link of a window's message handler chain.
class MessageHandler
{
public:
    /// Handles the message with this number; a hooking handler passes it on first.
    virtual void handleMessage(std::uint32_t message) = 0;

protected:
    ~MessageHandler() = default;
};

/// The chains of handlers through which the desktop's own window messages (those the toolkit
/// does not turn into events) reach a window. A handler that hooks a window saves the one
/// first in line, puts itself there and must put the saved one back before it goes away.
class WindowMessages
{
public:
    virtual ~WindowMessages() = default;

    /// The handler first in line for the window's messages; nullptr where the desktop sends
    /// none.
    virtual MessageHandler *handler(const QObject &window) const = 0;

    /// Puts handler first in line for the window's messages.
    virtual void setHandler(const QObject &window, MessageHandler *handler) = 0;
};

/// A desktop whose windows receive nothing beyond the toolkit's events (any Linux desktop):
/// there is no chain to save or to hook.
class AbsentWindowMessages final : public WindowMessages
{
public:
    MessageHandler *handler(const QObject &) const override { return nullptr; }

    void setHandler(const QObject &, MessageHandler *) override { }
};

} // namespace lw::platform
