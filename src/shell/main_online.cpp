#include <QMouseEvent>
#include <QTimer>

#include "core/maker_addresses.h"
#include "shell/Main.h"

namespace lw::shell {

namespace {

QString olderSitePage(QStringView page)
{
    return core::maker::OlderSiteRoot + page;
}

} // namespace

void TfrmMain::connectOnline()
{
    const auto goOnlineFrom = [this](QObject *sender) {
        return [this, sender] {
            guarded([this, sender] {
                GoOnline(sender);
            });
        };
    };
    connect(btnUpdate, &QAbstractButton::clicked, this, goOnlineFrom(btnUpdate));
    QList<QAction *> entries{ mnuWOHome, mnuWOApplicationInformation, mnuWOSuggestionBox,
        mnuWOSupport, mnuWOFreeware, mnuWOBlog, mnuWOMailSuggestions, mnuWOMailSupport,
        mnuWOCheckForUpdate };
    for (QAction *TfrmMain::*entry : trialEntries())
        entries << this->*entry;
    for (QAction *entry : std::as_const(entries))
        connect(entry, &QAction::triggered, this, goOnlineFrom(entry));
    imgScreenShot->installEventFilter(this);
    statusBar->installEventFilter(this);
}

std::optional<QString> TfrmMain::onlineAddress(const QObject *Sender) const
{
    const QString &tag = FValues.FRefTag;
    const QString home = core::maker::SiteRoot + tag;
    QList<std::pair<const QObject *, QString>> table{ { mnuWOHome, home }, { statusBar, home },
        { mnuWOSuggestionBox, olderSitePage(u"suggest.htm") + tag },
        { mnuWOFreeware, olderSitePage(u"freeware.htm") + tag },
        { mnuWOSupport, olderSitePage(u"faq.htm") + tag },
        { mnuWOApplicationInformation, olderSitePage(u"loanwright.htm") + tag } };
    for (std::size_t i = 0; i < trialEntries().size(); ++i)
        table.append({ this->*trialEntries()[i], core::maker::Products[i].siteRoot + tag });
    // The update page of this release carries no tag, nor do the mail links.
    const QString updatePage = olderSitePage(u"updates/LWC451.htm");
    table << std::pair{ btnUpdate, updatePage } << std::pair{ mnuWOCheckForUpdate, updatePage }
          << std::pair{ mnuWOBlog, olderSitePage(u"wp/") + tag }
          << std::pair{ mnuWOMailSuggestions, u"mailto:" + core::maker::SuggestionsMail }
          << std::pair{ mnuWOMailSupport, u"mailto:" + core::maker::SupportMail };
    for (const auto &[control, address] : std::as_const(table))
        if (control == Sender)
            return address;
    return std::nullopt;
}

void TfrmMain::GoOnline(QObject *Sender)
{
    // A sender the table does not know opens whatever address the label last held.
    if (const std::optional<QString> address = onlineAddress(Sender))
        UrlOnline->setURL(*address);
    UrlOnline->Click();
}

void TfrmMain::imgScreenShotClick()
{
    UrlOnline->setURL(core::maker::Products.front().siteRoot + FValues.FRefTag + u"glink");
    UrlOnline->Click();
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == statusBar && event->type() == QEvent::MouseButtonRelease && FPopupAfterRelease) {
        // After the bar has handled the release as a click.
        QTimer::singleShot(0, mnuPop, [menu = mnuPop, at = *FPopupAfterRelease] {
            menu->popup(at);
        });
        FPopupAfterRelease.reset();
    }
    if (watched == imgScreenShot && event->type() == QEvent::MouseButtonRelease) {
        const auto *release = static_cast<QMouseEvent *>(event);
        if (release->button() == Qt::LeftButton
                && imgScreenShot->rect().contains(release->position().toPoint()))
            guarded([this] {
                imgScreenShotClick();
            });
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace lw::shell
