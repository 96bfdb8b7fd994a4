#pragma once

#include "platform/file_store.h"
#include "platform/window_chrome.h"
#include "shell/shell_services.h"
#include "support/recording_document_dialogs.h"
#include "support/recording_services.h"
#include "support/shell_doubles.h"

namespace lw::test {

/// Every service of the calculator window but its files, recorded: the window's tests, the
/// close probe and the benchmark each bring the file store they need.
struct RecordedWindowServices
{
    shell::ShellServices services(platform::FileStore &files)
    {
        return { feedback, clipboard, desktop, noChrome, messages, application, files, locale,
            folders, dialogs, instances };
    }

    RecordingFeedback feedback;
    FakeClipboard clipboard;
    RecordingDesktopShell desktop;
    platform::AbsentWindowChrome noChrome;
    RecordingWindowMessages messages;
    RecordingApplicationHooks application;
    CLocaleSource locale;
    FixedFolders folders;
    RecordingDocumentDialogs dialogs;
    RecordingInstanceChannel instances;
};

} // namespace lw::test
