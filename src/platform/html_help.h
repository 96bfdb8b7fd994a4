#pragma once

#include <stdexcept>

#include <QString>

#include "platform/desktop_shell.h"

namespace lw::platform {

/// A help page could not be shown.
class HelpError final : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// The help viewer: HTML pages in one folder, shown through the desktop's browser. The help
/// file is the contents page; a context number names one of the pages beside it.
class HtmlHelp
{
public:
    /// onLateFailure runs when the browser that was started could not show a page.
    explicit HtmlHelp(DesktopShell &shell, DesktopShell::LateFailure onLateFailure = {});

    /// The contents page; the other pages live in its folder.
    void setHelpFile(const QString &path) { m_helpFile = path; }

    const QString &helpFile() const { return m_helpFile; }

    /// Opens the table of contents. Throws HelpError when the page is missing or refused.
    void showContents();

    /// Opens the page mapped to context. Throws HelpError for an unknown number too.
    void showContext(int context);

    /// Closes the help windows the program opened; a browser's windows are the user's own,
    /// so there is nothing to close.
    void closeAll() { }

private:
    /// The page a context number names, relative to the help folder; empty when unknown.
    static QString contextPage(int context);

    void openPage(const QString &path);

    DesktopShell &m_shell;
    DesktopShell::LateFailure m_onLateFailure;
    QString m_helpFile;
};

} // namespace lw::platform
