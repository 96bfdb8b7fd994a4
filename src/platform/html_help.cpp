#include "platform/html_help.h"

#include <utility>

#include <QDir>
#include <QFileInfo>

namespace lw::platform {

HtmlHelp::HtmlHelp(DesktopShell &shell, DesktopShell::LateFailure onLateFailure)
    : m_shell(shell)
    , m_onLateFailure(std::move(onLateFailure))
{ }

void HtmlHelp::showContents()
{
    openPage(m_helpFile);
}

void HtmlHelp::showContext(int context)
{
    const QString page = contextPage(context);
    if (page.isEmpty())
        throw HelpError("No help topic is mapped to context " + std::to_string(context));
    openPage(QFileInfo(m_helpFile).dir().filePath(page));
}

QString HtmlHelp::contextPage(int context)
{
    switch (context) {
    case 10000:
        return QStringLiteral("getting-started.html");
    default:
        return {};
    }
}

void HtmlHelp::openPage(const QString &path)
{
    // A browser shows its own error page for a missing file; say it here instead, so the
    // user learns that the help is not installed.
    if (!QFileInfo(path).isFile())
        throw HelpError(QString(u"Cannot find the help page " + path).toStdString());
    if (!m_shell.open(path, m_onLateFailure))
        throw HelpError(QString(u"Cannot open the help page " + path).toStdString());
}

} // namespace lw::platform
