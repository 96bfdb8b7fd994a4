#pragma once

#include <functional>
#include <map>
#include <stdexcept>

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "platform/application_hooks.h"
#include "platform/desktop_shell.h"
#include "platform/instance_channel.h"
#include "platform/known_folders.h"
#include "platform/locale_source.h"
#include "platform/window_chrome.h"
#include "platform/window_messages.h"

namespace lw::test {

/// Records what the program asks the desktop to open; can be told to refuse at once, and
/// keeps the last late-failure callback so a test can report that the opener failed later.
struct RecordingDesktopShell final : platform::DesktopShell
{
    QStringList opened;
    bool refusing = false;
    LateFailure lastLateFailure;

    bool open(const QString &target, LateFailure onLateFailure) override
    {
        if (refusing)
            return false;
        opened << target;
        lastLateFailure = std::move(onLateFailure);
        return true;
    }
};

/// A desktop that has the frame services, recording every request made of them.
struct RecordingWindowChrome final : platform::WindowChrome
{
    struct ShowRequest
    {
        platform::ChromeWindow window;
        int command;
        bool operator==(const ShowRequest &) const = default;
    };

    std::uint32_t ownerStyle = 0x40000;
    std::uint32_t mainStyle = 0x80;
    QList<ShowRequest> shows;
    int majorVersion = 6;
    bool visualStyles = true;
    std::optional<bool> composition = true;
    QList<platform::FrameMargins> extensions;
    std::function<bool(std::uint32_t)> sysCommand;
    bool ownerGone = false; // showing the owner window fails
    QList<std::uintptr_t> buttonless; // native windows asked to have no title-bar buttons

    std::uint32_t extendedStyle(platform::ChromeWindow window) const override
    {
        return window == platform::ChromeWindow::Main ? mainStyle : ownerStyle;
    }

    void setExtendedStyle(platform::ChromeWindow window, std::uint32_t style) override
    {
        (window == platform::ChromeWindow::Main ? mainStyle : ownerStyle) = style;
    }

    void showWindow(platform::ChromeWindow window, int command) override
    {
        if (ownerGone && window == platform::ChromeWindow::ApplicationOwner)
            throw std::runtime_error("The owner window is gone");
        shows << ShowRequest{ window, command };
    }

    void setSystemCommandHandler(std::function<bool(std::uint32_t)> handler) override
    {
        sysCommand = std::move(handler);
    }

    int platformMajorVersion() const override { return majorVersion; }

    bool visualStylesEnabled() const override { return visualStyles; }

    std::optional<bool> compositionEnabled() override { return composition; }

    void extendFrameIntoClientArea(platform::FrameMargins margins) override
    {
        extensions << margins;
    }

    void removeTitleBarButtons(std::uintptr_t window) override { buttonless << window; }
};

/// A link of a message handler chain that records what reaches it and passes nothing on.
struct MessageLog final : platform::MessageHandler
{
    QList<std::uint32_t> received;

    void handleMessage(std::uint32_t message) override { received << message; }
};

/// A desktop that sends its windows messages of its own: each window's chain ends in the
/// window's own handling, which records what reaches it, and the test delivers the messages.
class RecordingWindowMessages final : public platform::WindowMessages
{
public:
    mutable MessageLog ownHandling; // of every window; records, but holds no chain

    /// Sends the message to the handler first in line for the window.
    void deliver(const QObject &window, std::uint32_t message) const
    {
        handler(window)->handleMessage(message);
    }

    /// How many windows have a handler before their own handling.
    std::size_t hookedWindows() const { return m_hooked.size(); }

    platform::MessageHandler *handler(const QObject &window) const override
    {
        const auto hooked = m_hooked.find(&window);
        return hooked == m_hooked.end() ? &ownHandling : hooked->second;
    }

    void setHandler(const QObject &window, platform::MessageHandler *handler) override
    {
        if (handler == &ownHandling) {
            m_hooked.erase(&window);
            return;
        }
        m_hooked[&window] = handler;
        // A destroyed window takes its chain along; a later one at its address starts afresh.
        QObject::connect(&window, &QObject::destroyed, &m_context, [this, key = &window] {
            m_hooked.erase(key);
        });
    }

private:
    std::map<const QObject *, platform::MessageHandler *> m_hooked;
    QObject m_context; // ends the destruction watches with the recorder
};

/// Records the tool-tip delays and keeps the session-end and idle handlers for the test to
/// call; activation and raising have nothing to record.
struct RecordingApplicationHooks final : platform::ApplicationHooks
{
    int hintPause = -1;
    int hintHidePause = -1;
    std::function<bool()> sessionEnd;
    std::function<void()> idle; // the test fires an idle by calling it

    void setActivationHandler(std::function<void()>) override { }

    void setHintTiming(int pauseMs, int hidePauseMs) override
    {
        hintPause = pauseMs;
        hintHidePause = hidePauseMs;
    }

    void setIdleHandler(std::function<void()> handler) override { idle = std::move(handler); }

    void bringActiveWindowToFront() override { }

    void setSessionEndHandler(std::function<bool()> handler) override
    {
        sessionEnd = std::move(handler);
    }

    void setHintWindowClass(platform::HintWindowClass windowClass) override
    {
        hintWindowClass = std::move(windowClass);
    }

    void setShowHintHandler(platform::ShowHintHandler handler) override
    {
        showHint = std::move(handler);
    }

    platform::HintWindowClass hintWindowClass;
    platform::ShowHintHandler showHint;
};

/// Keeps the handler the window serves later starts with; the test calls `raise` as a later
/// start's request would.
struct RecordingInstanceChannel final : platform::InstanceChannel
{
    bool askRunningCopy() override { return false; }

    bool serve(std::function<void()> handler) override
    {
        raise = std::move(handler);
        return true;
    }

    std::function<void()> raise;
};

/// Folders the test chose.
struct FixedFolders final : platform::KnownFolders
{
    QString commonDataFolder;
    QString programFolder;

    QString commonData() const override { return commonDataFolder; }

    QString program() const override { return programFolder; }
};

/// The C conventions, whatever the machine's locale.
struct CLocaleSource final : platform::LocaleSource
{
    platform::LocaleInfo current() const override { return {}; }
};

} // namespace lw::test
