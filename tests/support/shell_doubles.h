#pragma once

#include <functional>
#include <stdexcept>

#include <QList>
#include <QString>
#include <QStringList>

#include "platform/application_hooks.h"
#include "platform/desktop_shell.h"
#include "platform/known_folders.h"
#include "platform/locale_source.h"
#include "platform/window_chrome.h"

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
    std::optional<bool> composition = true;
    QList<platform::FrameMargins> extensions;
    std::function<bool(std::uint32_t)> sysCommand;
    bool ownerGone = false; // showing the owner window fails

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

    std::optional<bool> compositionEnabled() override { return composition; }

    void extendFrameIntoClientArea(platform::FrameMargins margins) override
    {
        extensions << margins;
    }
};

/// Records the tool-tip delays and keeps the session-end handler for the test to call;
/// activation and raising have nothing to record.
struct RecordingApplicationHooks final : platform::ApplicationHooks
{
    int hintPause = -1;
    int hintHidePause = -1;
    std::function<bool()> sessionEnd;

    void setActivationHandler(std::function<void()>) override { }

    void setHintTiming(int pauseMs, int hidePauseMs) override
    {
        hintPause = pauseMs;
        hintHidePause = hidePauseMs;
    }

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
