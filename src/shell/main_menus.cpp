#include <QMenuBar>

#include "core/maker_addresses.h"
#include "shell/Main.h"
#include "shell/glyphs.h"
#include "shell/menu_bar_style.h"

namespace lw::shell {

namespace {

QAction *addEntry(QMenu *menu, const QString &caption, const QString &glyph)
{
    QAction *action = menu->addAction(caption);
    if (!glyph.isEmpty())
        action->setIcon(glyphIcon(glyph));
    return action;
}

// Entries that never show: they keep their place for a later printing feature.
void addHiddenPrintEntries(QMenu *menu, const QString &setupCaption)
{
    menu->addSeparator()->setVisible(false);
    for (const QString &caption : { setupCaption, QStringLiteral("&Print...") }) {
        QAction *entry = addEntry(menu, caption, QStringLiteral("print"));
        entry->setEnabled(false);
        entry->setVisible(false);
    }
}

// The maker's other programs, each a trial version to download.
constexpr const char16_t *TrialProducts[] = {
    u"Homestake Suite",
    u"Amortisation Planner",
    u"Refinance Advisor",
    u"Rent or Buy Calculator",
    u"Savings Goal Planner",
    u"Loan Comparison Desk",
    u"Household Budget Book",
};

} // namespace

void TfrmMain::createMainMenu()
{
    auto *style = new MenuBarStyle; // owned by the menu bar
    style->setParent(menuBar());
    menuBar()->setStyle(style);
    createFileMenu();
    createOnlineMenu();
    createHelpMenu();
}

void TfrmMain::createFileMenu()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFileReset = addEntry(file, QStringLiteral("&Reset"), QStringLiteral("reset"));
    addHiddenPrintEntries(file, QStringLiteral("Prin&t Setup..."));
    file->addSeparator();
    mnuFileExit = addEntry(file, QStringLiteral("E&xit"), QStringLiteral("exit"));
}

void TfrmMain::createOnlineMenu()
{
    QMenu *online = menuBar()->addMenu(QStringLiteral("&Online Resources"));
    addEntry(online, u"&" + core::maker::SiteDomain + u" ...", QStringLiteral("globe"));
    addEntry(online, QStringLiteral("&Information about this Program ..."), QStringLiteral("info"));
    addEntry(online, QStringLiteral("&Suggestion Box ..."), QStringLiteral("suggestion"));
    addEntry(online, QStringLiteral("&Online Support ..."), QStringLiteral("support"));
    addEntry(online, QStringLiteral("Free Financial Software ..."), QStringLiteral("freeware"));
    online->addSeparator();
    addEntry(online, QStringLiteral("Ferrowind &Blog ..."), QStringLiteral("blog"));
    online->addSeparator();
    QMenu *mail = online->addMenu(glyphIcon(QStringLiteral("mail")),
            QStringLiteral("Contact Brannock Software by &Email"));
    addEntry(mail, QStringLiteral("&Send Suggestions"), QStringLiteral("mail_suggest"));
    addEntry(mail, QStringLiteral("&Request Support"), QStringLiteral("mail_support"));
    online->addSeparator();
    QMenu *trials = online->addMenu(glyphIcon(QStringLiteral("download")),
            QStringLiteral("&Trial Versions of Financial Software"));
    for (const char16_t *product : TrialProducts)
        addEntry(trials, QString::fromUtf16(product), QStringLiteral("product"));
    online->addSeparator();
    addEntry(online, QStringLiteral("Check for a &New Version of this Software ..."),
            QStringLiteral("update"));
}

void TfrmMain::createHelpMenu()
{
    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    Contents1 = addEntry(help, QStringLiteral("&Contents"), QStringLiteral("help"));
    Contents1->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHelpDisclaimer = addEntry(help, QStringLiteral("&Disclaimer ..."), QString());
    help->addSeparator();
    About1 = addEntry(help, QStringLiteral("&About ..."), QStringLiteral("about"));
}

void TfrmMain::createContextMenu()
{
    mnuPop = new QMenu(this); // owned by the window
    mnuPopReset = addEntry(mnuPop, QStringLiteral("&Reset"), QStringLiteral("reset"));
    addHiddenPrintEntries(mnuPop, QStringLiteral("Print Setup..."));
    mnuPop->addSeparator();
    mnuPopAbout = addEntry(mnuPop, QStringLiteral("&About..."), QStringLiteral("about"));
    mnuPop->addSeparator();
    mnuPopExit = addEntry(mnuPop, QStringLiteral("E&xit"), QStringLiteral("exit"));
}

} // namespace lw::shell
