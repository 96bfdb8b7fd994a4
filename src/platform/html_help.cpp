#include "platform/html_help.h"

#include <QDir>
#include <QFileInfo>

namespace lw::platform {

HtmlHelp::HtmlHelp(DesktopShell &shell)
    : m_shell(shell)
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
    if (!m_shell.open(path, {}))
        throw HelpError(QString(u"Cannot open the help page " + path).toStdString());
}

} // namespace lw::platform
