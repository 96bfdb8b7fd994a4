#include "shell/Main.h"

#include <clocale>
#include <memory>

#include <QApplication>

#include "console_start.h"
#include "core/app_texts.h"
#include "core/saved_values.h"
#include "platform/disk_file_store.h"
#include "platform/local_instance_channel.h"
#include "platform/posix_locale_source.h"
#include "platform/system_folders.h"
#include "platform/widgets/qt_application_hooks.h"
#include "platform/widgets/qt_clipboard.h"
#include "platform/widgets/qt_document_dialogs.h"
#include "platform/widgets/qt_user_feedback.h"
#include "platform/widgets/x11_window_chrome.h"
#include "platform/xdg_desktop_shell.h"
#include "shell/form_style.h"

int main(int argc, char **argv)
{
    // Numbers and currency follow the user's locale settings.
    std::setlocale(LC_ALL, "");
    lw::app::nameApplication();
    if (const auto status = lw::app::answerOnConsole(argc, argv))
        return *status;
    QApplication app(argc, argv);
    if (const auto status = lw::app::answerLeftoverArguments())
        return *status;
    lw::platform::SystemFolders folders;
    lw::platform::LocalInstanceChannel instances(
            folders.commonData(), lw::platform::privateRuntimeFolder());
    // The copy that runs already comes to the front in place of a second window.
    if (instances.askRunningCopy())
        return 0;
    lw::shell::useFormStyle();

    // Every window's title is exactly its own: no application name is appended to any.
    lw::platform::QtUserFeedback feedback(lw::core::applicationTitle());
    lw::platform::QtClipboard clipboard;
    lw::platform::XdgDesktopShell desktop;
    lw::platform::X11WindowChrome chrome;
    lw::platform::AbsentWindowMessages messages;
    lw::platform::QtApplicationHooks hooks;
    // Documents replaced elsewhere keep their short-lived second name where the settings live.
    lw::platform::DiskFileStore files({}, folders.commonData() + lw::core::dataSubFolder());
    lw::platform::PosixLocaleSource locale;
    lw::platform::QtDocumentDialogs dialogs;
    const lw::shell::ShellServices services{ feedback, clipboard, desktop, chrome, messages, hooks,
        files, locale, folders, dialogs, instances };

    const auto window = std::make_unique<lw::shell::TfrmMain>(services);
    window->show();
    return QApplication::exec();
}
