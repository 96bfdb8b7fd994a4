#include <tuple>
#include <utility>

#include <QMenuBar>

#include "core/maker_addresses.h"
#include "shell/Main.h"
#include "shell/glyphs.h"
#include "shell/menu_bar_focus.h"
#include "shell/menu_bar_style.h"

namespace lw::shell {

namespace {

const QString ScheduleCaption = QStringLiteral("Amortization &Schedule...");
const QString CompareCaption = QStringLiteral("Compare &Offers...");

QAction *addEntry(QMenu *menu, const QString &caption, const QString &glyph)
{
    QAction *action = menu->addAction(caption);
    if (!glyph.isEmpty())
        action->setIcon(glyphIcon(glyph));
    return action;
}

// Entries that never show: they keep their place for a later printing feature.
std::pair<QAction *, QAction *> addHiddenPrintEntries(QMenu *menu, const QString &setupCaption)
{
    menu->addSeparator()->setVisible(false);
    const auto hidden = [menu](const QString &caption) {
        QAction *entry = addEntry(menu, caption, QStringLiteral("print"));
        entry->setEnabled(false);
        entry->setVisible(false);
        return entry;
    };
    QAction *setup = hidden(setupCaption);
    return { setup, hidden(QStringLiteral("&Print...")) };
}

} // namespace

void TfrmMain::createMainMenu()
{
    auto *style = new MenuBarStyle; // owned by the menu bar
    style->setParent(menuBar());
    menuBar()->setStyle(style);
    new MenuBarFocusReturn(menuBar()); // owned by the menu bar
    createFileMenu();
    createOnlineMenu();
    createHelpMenu();
}

void TfrmMain::createFileMenu()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFileReset = addEntry(file, QStringLiteral("&Reset"), QStringLiteral("reset"));
    mnuFileSchedule = addEntry(file, ScheduleCaption, QStringLiteral("calculator"));
    // No field's key table and no other entry uses it.
    mnuFileSchedule->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    mnuFileCompare = addEntry(file, CompareCaption, QStringLiteral("calculator"));
    mnuFileCompare->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)); // free as well
    mnuFileAfford =
            addEntry(file, QStringLiteral("What Can I &Afford?..."), QStringLiteral("calculator"));
    // Free too: the fields' tables know Ctrl+Shift with arrows, Z and digits only.
    mnuFileAfford->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
    std::tie(mnuFilePrintSetup, mnuFilePrint) =
            addHiddenPrintEntries(file, QStringLiteral("Prin&t Setup..."));
    file->addSeparator();
    mnuFileExit = addEntry(file, QStringLiteral("E&xit"), QStringLiteral("exit"));
}

void TfrmMain::createOnlineMenu()
{
    QMenu *online = menuBar()->addMenu(QStringLiteral("&Online Resources"));
    mnuWOHome = addEntry(online, u"&" + core::maker::SiteDomain + u" ...", QStringLiteral("globe"));
    mnuWOApplicationInformation = addEntry(
            online, QStringLiteral("&Information about this Program ..."), QStringLiteral("info"));
    mnuWOSuggestionBox =
            addEntry(online, QStringLiteral("&Suggestion Box ..."), QStringLiteral("suggestion"));
    mnuWOSupport =
            addEntry(online, QStringLiteral("&Online Support ..."), QStringLiteral("support"));
    mnuWOFreeware = addEntry(
            online, QStringLiteral("Free Financial Software ..."), QStringLiteral("freeware"));
    online->addSeparator();
    mnuWOBlog = addEntry(online, QStringLiteral("Ferrowind &Blog ..."), QStringLiteral("blog"));
    online->addSeparator();
    ContactFerrowindbyEmail1 = online->addMenu(glyphIcon(QStringLiteral("mail")),
            QStringLiteral("Contact Brannock Software by &Email"));
    mnuWOMailSuggestions = addEntry(ContactFerrowindbyEmail1, QStringLiteral("&Send Suggestions"),
            QStringLiteral("mail_suggest"));
    mnuWOMailSupport = addEntry(ContactFerrowindbyEmail1, QStringLiteral("&Request Support"),
            QStringLiteral("mail_support"));
    online->addSeparator();
    mnuInternetDownload = online->addMenu(glyphIcon(QStringLiteral("download")),
            QStringLiteral("&Trial Versions of Financial Software"));
    for (std::size_t i = 0; i < core::maker::Products.size(); ++i)
        this->*trialEntries()[i] = addEntry(mnuInternetDownload,
                core::maker::Products[i].name.toString(), QStringLiteral("product"));
    online->addSeparator();
    mnuWOCheckForUpdate =
            addEntry(online, QStringLiteral("Check for a &New Version of this Software ..."),
                    QStringLiteral("update"));
}

const std::array<QAction * TfrmMain::*, 7> &TfrmMain::trialEntries()
{
    static constexpr std::array<QAction * TfrmMain::*, 7> entries{ &TfrmMain::mnuIDHomestakeSuite,
        &TfrmMain::mnuIDAmortisationPlanner, &TfrmMain::mnuIDRefinanceAdvisor,
        &TfrmMain::mnuIDRentOrBuyCalculator, &TfrmMain::mnuIDSavingsGoalPlanner,
        &TfrmMain::mnuIDLoanComparisonDesk, &TfrmMain::mnuIDHouseholdBudgetBook };
    static_assert(entries.size() == core::maker::Products.size());
    return entries;
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
    mnuPopSchedule = addEntry(mnuPop, ScheduleCaption, QStringLiteral("calculator"));
    mnuPopCompare = addEntry(mnuPop, CompareCaption, QStringLiteral("calculator"));
    std::tie(mnuPopPrinterSetup, mnuPopPrint) =
            addHiddenPrintEntries(mnuPop, QStringLiteral("Print Setup..."));
    mnuPop->addSeparator();
    mnuPopAbout = addEntry(mnuPop, QStringLiteral("&About..."), QStringLiteral("about"));
    mnuPop->addSeparator();
    mnuPopExit = addEntry(mnuPop, QStringLiteral("E&xit"), QStringLiteral("exit"));
}

} // namespace lw::shell
