#include <optional>

#include <QMenu>

#include "main_fixture.h"
#include "platform/xdg_desktop_shell.h"
#include "support/fake_xdg_open.h"

using lw::shell::TfrmMain;
using lw::test::FakeXdgOpen;
using lw::test::MainWindowTest;

namespace {

void clickWebPanel(TfrmMain &window, Qt::MouseButton button)
{
    const QPoint web = window.statusBar->panelRect(window.WebPanel->Index()).center();
    QTest::mouseClick(window.statusBar, button, {}, web);
}

void clickPicture(TfrmMain &window)
{
    window.nbkMain->setPageIndex(1);
    QTest::mouseClick(window.imgScreenShot, Qt::LeftButton, {}, QPoint(20, 20));
}

/// The Online Resources menu, popped up on screen.
QMenu *shownOnlineMenu(TfrmMain &window)
{
    auto *menu = qobject_cast<QMenu *>(window.mnuWOHome->parent());
    menu->popup(window.mapToGlobal(QPoint(60, 0)));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(menu));
    return menu;
}

class MainOnlineTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        haveSettings();
    }
};

/// The window on the real desktop shell, with a fake xdg-open of the given kind.
class MainRealShellTest : public MainOnlineTest
{
protected:
    void startWithOpener(FakeXdgOpen::Kind kind)
    {
        opener.emplace(kind);
        shell = &realShell;
        start();
    }

    std::optional<FakeXdgOpen> opener;
    lw::platform::XdgDesktopShell realShell;
};

struct Destination
{
    const char *name;
    void (*activate)(TfrmMain &window);
    const char16_t *address;
};

void PrintTo(const Destination &row, std::ostream *out)
{
    *out << row.name;
}

template <QAction *TfrmMain::*Entry>
void trigger(TfrmMain &window)
{
    (window.*Entry)->trigger();
}

class MainDestinationTest : public MainOnlineTest, public ::testing::WithParamInterface<Destination>
{
};

} // namespace

TEST_P(MainDestinationTest, HandsTheShellExactlyTheAddressOfTheSender)
{
    start();
    GetParam().activate(*window);
    EXPECT_EQ(desktop.opened, QStringList{ QString::fromUtf16(GetParam().address) });
    EXPECT_FALSE(window->UrlOnline->isVisible());
    EXPECT_EQ(window->UrlOnline->text(), QStringLiteral("UrlOnline")) << "the caption stays";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Senders, MainDestinationTest, ::testing::Values(
    Destination{ "Home", trigger<&TfrmMain::mnuWOHome>,
        u"https://www.brannock.example/?ref=LWC451" },
    Destination{ "SuggestionBox", trigger<&TfrmMain::mnuWOSuggestionBox>,
        u"https://www.ferrowind.example/suggest.htm?ref=LWC451" },
    Destination{ "Freeware", trigger<&TfrmMain::mnuWOFreeware>,
        u"https://www.ferrowind.example/freeware.htm?ref=LWC451" },
    Destination{ "Support", trigger<&TfrmMain::mnuWOSupport>,
        u"https://www.ferrowind.example/faq.htm?ref=LWC451" },
    Destination{ "ApplicationInformation", trigger<&TfrmMain::mnuWOApplicationInformation>,
        u"https://www.ferrowind.example/loanwright.htm?ref=LWC451" },
    Destination{ "HomestakeSuite", trigger<&TfrmMain::mnuIDHomestakeSuite>,
        u"https://www.homestakesuite.example/?ref=LWC451" },
    Destination{ "AmortisationPlanner", trigger<&TfrmMain::mnuIDAmortisationPlanner>,
        u"https://www.amortisationplanner.example/?ref=LWC451" },
    Destination{ "RefinanceAdvisor", trigger<&TfrmMain::mnuIDRefinanceAdvisor>,
        u"https://www.refinanceadvisor.example/?ref=LWC451" },
    Destination{ "RentOrBuyCalculator", trigger<&TfrmMain::mnuIDRentOrBuyCalculator>,
        u"https://www.rentorbuy.example/?ref=LWC451" },
    Destination{ "SavingsGoalPlanner", trigger<&TfrmMain::mnuIDSavingsGoalPlanner>,
        u"https://www.savingsgoalplanner.example/?ref=LWC451" },
    Destination{ "LoanComparisonDesk", trigger<&TfrmMain::mnuIDLoanComparisonDesk>,
        u"https://www.loancomparisondesk.example/?ref=LWC451" },
    Destination{ "HouseholdBudgetBook", trigger<&TfrmMain::mnuIDHouseholdBudgetBook>,
        u"https://www.householdbudgetbook.example/?ref=LWC451" },
    Destination{ "UpdateButton", [](TfrmMain &w) { QTest::mouseClick(w.btnUpdate, Qt::LeftButton); },
        u"https://www.ferrowind.example/updates/LWC451.htm" },
    Destination{ "CheckForUpdate", trigger<&TfrmMain::mnuWOCheckForUpdate>,
        u"https://www.ferrowind.example/updates/LWC451.htm" },
    Destination{ "Blog", trigger<&TfrmMain::mnuWOBlog>,
        u"https://www.ferrowind.example/wp/?ref=LWC451" },
    Destination{ "MailSuggestions", trigger<&TfrmMain::mnuWOMailSuggestions>,
        u"mailto:suggestions@brannock.example" },
    Destination{ "MailSupport", trigger<&TfrmMain::mnuWOMailSupport>,
        u"mailto:support@brannock.example" },
    Destination{ "Picture", [](TfrmMain &w) { clickPicture(w); },
        u"https://www.homestakesuite.example/?ref=LWC451glink" },
    Destination{ "WebPanelLeft", [](TfrmMain &w) { clickWebPanel(w, Qt::LeftButton); },
        u"https://www.brannock.example/?ref=LWC451" },
    Destination{ "WebPanelRight", [](TfrmMain &w) { clickWebPanel(w, Qt::RightButton); },
        u"https://www.brannock.example/?ref=LWC451" }),
    [](const ::testing::TestParamInfo<Destination> &row) { return std::string(row.param.name); });

// clang-format on

TEST_F(MainOnlineTest, TheSameSenderTwiceOpensTheSameAddressTwiceAndAStrangerTheLastAgain)
{
    start();
    window->mnuWOBlog->trigger();
    window->mnuWOBlog->trigger();
    window->GoOnline(window->btnHelp);
    const QString blog = QStringLiteral("https://www.ferrowind.example/wp/?ref=LWC451");
    EXPECT_EQ(desktop.opened, QStringList({ blog, blog, blog }));
}

TEST_F(MainOnlineTest, ARefusedAddressOnlyBeeps)
{
    start();
    desktop.refusing = true;
    window->mnuWOSupport->trigger();
    EXPECT_EQ(feedback.beeps, 1);
    EXPECT_TRUE(feedback.information.isEmpty()) << "no message box";
}

// F1 is the shortcut of Help > Contents: both reach the help through the same handler.
TEST_F(MainOnlineTest, AHelpPageTheBrowserFailsToShowLaterIsOneBeep)
{
    start();
    window->edtSalesPrice->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(window->edtSalesPrice, Qt::Key_F1);
    ASSERT_EQ(desktop.opened, QStringList{ helpPath(QStringLiteral("index.html")) });
    ASSERT_TRUE(desktop.lastLateFailure);
    EXPECT_EQ(feedback.beeps, 0);
    desktop.lastLateFailure();
    EXPECT_EQ(feedback.beeps, 1);
    EXPECT_TRUE(feedback.information.isEmpty());
}

TEST_F(MainRealShellTest, RealClicksReachARealOpenerWithExactlyTheAddress)
{
    startWithOpener(FakeXdgOpen::Kind::Logging);
    QTest::mouseClick(window->btnUpdate, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return opener->calls().size() == 1;
            },
            3000));
    QMenu *online = shownOnlineMenu(*window);
    QTest::mouseClick(
            online, Qt::LeftButton, {}, online->actionGeometry(window->mnuWOSupport).center());
    ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return opener->calls().size() == 2;
            },
            3000));
    clickWebPanel(*window, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return opener->calls().size() == 3;
            },
            3000));
    EXPECT_EQ(opener->calls(),
            QStringList({ QStringLiteral("[https://www.ferrowind.example/updates/LWC451.htm]"),
                    QStringLiteral("[https://www.ferrowind.example/faq.htm?ref=LWC451]"),
                    QStringLiteral("[https://www.brannock.example/?ref=LWC451]") }));
    EXPECT_EQ(feedback.beeps, 0);
}

TEST_F(MainRealShellTest, AFailingOpenerIsHeardOnceAfterTheClick)
{
    startWithOpener(FakeXdgOpen::Kind::Failing);
    QTest::mouseClick(window->btnUpdate, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return feedback.beeps > 0;
            },
            3000));
    QTest::qWait(200);
    EXPECT_EQ(feedback.beeps, 1);
}

TEST_F(MainRealShellTest, NoOpenerOnThePathIsOneBeepAndNothingWorse)
{
    startWithOpener(FakeXdgOpen::Kind::Missing);
    clickWebPanel(*window, Qt::RightButton);
    EXPECT_EQ(feedback.beeps, 1);
    EXPECT_TRUE(feedback.information.isEmpty());
}

TEST_F(MainOnlineTest, ARightClickOnTheWebPanelOpensTheSiteBeforeTheContextMenuShows)
{
    start();
    QWidget *bar = window->statusBar;
    const QPoint at = window->statusBar->panelRect(window->WebPanel->Index()).center();
    QTest::mousePress(bar, Qt::RightButton, {}, at);
    // The desktop asks for the context menu with the press, as X11 does.
    QContextMenuEvent menuRequest(QContextMenuEvent::Mouse, at, bar->mapToGlobal(at));
    QApplication::sendEvent(bar, &menuRequest);
    EXPECT_FALSE(window->mnuPop->isVisible()) << "not before the release";
    QTest::mouseRelease(bar, Qt::RightButton, {}, at);
    EXPECT_EQ(desktop.opened,
            QStringList{ QStringLiteral("https://www.brannock.example/?ref=LWC451") });
    EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return window->mnuPop->isVisible();
            },
            1000));
    window->mnuPop->hide();
}
