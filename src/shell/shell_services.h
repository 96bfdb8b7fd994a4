#pragma once

#include "platform/application_hooks.h"
#include "platform/clipboard.h"
#include "platform/desktop_shell.h"
#include "platform/document_dialogs.h"
#include "platform/file_store.h"
#include "platform/instance_channel.h"
#include "platform/known_folders.h"
#include "platform/locale_source.h"
#include "platform/user_feedback.h"
#include "platform/window_chrome.h"
#include "platform/window_messages.h"

namespace lw::shell {

/// Everything outside the process the main window reaches; all must outlive the window.
struct ShellServices
{
    platform::UserFeedback &feedback;
    platform::Clipboard &clipboard;
    platform::DesktopShell &desktop;
    platform::WindowChrome &chrome;
    platform::WindowMessages &messages;
    platform::ApplicationHooks &application;
    platform::FileStore &files;
    const platform::LocaleSource &locale;
    const platform::KnownFolders &folders;
    platform::DocumentDialogs &dialogs;
    platform::InstanceChannel &instances;
};

} // namespace lw::shell
