#include "core/app_texts.h"
#include "platform/gui/palette_colour.h"
#include "shell/main_fixture.h"

using namespace lw::test;
using lw::platform::ChromeWindow;
using lw::platform::FrameMargins;
using lw::platform::SystemColour;
using namespace Qt::StringLiterals;

namespace {

QColor systemColour(SystemColour colour, const QWidget &widget)
{
    return lw::platform::paletteColour(lw::platform::systemColour(colour), widget.palette());
}

} // namespace

TEST_F(MainWindowTest, FirstStartShowsDefaultsOpensTheGettingStartedPageAndRemembersTheRun)
{
    start();
    EXPECT_EQ(window->windowTitle(), u"Loanwright, 4.5.1"_s);
    EXPECT_EQ(window->edtSalesPrice->paintedText(), u"100,000.00"_s);
    EXPECT_EQ(window->edtDownPayment->paintedText(), u"20,000.00"_s);
    EXPECT_EQ(window->edtActualLoan->paintedText(), u"80,000.00"_s);
    EXPECT_EQ(window->edtInterestRate->paintedText(), u"6.0000"_s);
    EXPECT_TRUE(window->rb30->isChecked());
    EXPECT_EQ(window->edtMonthlyPI->paintedText(), u"479.64"_s);
    EXPECT_EQ(window->edtMonthlyPITI->paintedText(), u"562.97"_s);
    // The start's pass fills the three lines in order; their wording is checked with the summary.
    EXPECT_TRUE(window->lblSummary1->text().contains(u" 30 years "_s));
    EXPECT_TRUE(window->lblSummary2->text().startsWith(u"$92,670.55 in interest"_s));
    EXPECT_TRUE(window->lblSummary3->text().endsWith(u"$202,670.55"_s));
    EXPECT_EQ(desktop.opened, QStringList{ helpPath(u"getting-started.html"_s) });
    EXPECT_TRUE(feedback.information.isEmpty());

    ASSERT_TRUE(closeWindow());
    EXPECT_TRUE(savedLines().contains("Run=1"));
    EXPECT_TRUE(savedLines().contains("MonthlyPI=479.640420122202"));

    start();
    EXPECT_EQ(desktop.opened.size(), 1) << "the second start opens no help";
}

TEST_F(MainWindowTest, StartRestoresTheSavedValuesAndRunsOnePassOverThem)
{
    haveSettings("SalesPrice=250000\nDownpayment=50000\nInterestRate=5\nTerm=15\n");
    start();
    EXPECT_TRUE(desktop.opened.isEmpty());
    EXPECT_TRUE(window->rb15->isChecked());
    EXPECT_EQ(window->edtActualLoan->paintedText(), u"200,000.00"_s);
    EXPECT_EQ(window->edtMonthlyPI->paintedText(), u"1,581.59"_s);
    EXPECT_EQ(window->lblSummary1->text(),
            u"During the 15 years of your mortgage loan you will pay a total of"_s);
    EXPECT_EQ(application.hintPause, 400);
    EXPECT_EQ(application.hintHidePause, 4000);
    EXPECT_EQ(window->help().helpFile(), helpPath(u"index.html"_s));
    EXPECT_EQ(window->values().FRefTag, u"?ref=LWC451"_s);
    EXPECT_EQ(lw::shell::frmMain, window.get());
    window.reset();
    EXPECT_EQ(lw::shell::frmMain, nullptr);
}

TEST_F(MainWindowTest, MissingHelpOnTheFirstStartIsReportedAndStillCountsAsTheFirstRun)
{
    QFile::remove(helpPath(u"getting-started.html"_s));
    start();
    ASSERT_EQ(feedback.information.size(), 1);
    EXPECT_EQ(feedback.informationCaptions.front(), u"Information"_s);
    EXPECT_EQ(feedback.information.front(), lw::core::unidentifiedErrorMessage());
    EXPECT_EQ(window->edtMonthlyPI->paintedText(), u"479.64"_s) << "the pass ran before the help";
    ASSERT_TRUE(closeWindow());
    EXPECT_TRUE(savedLines().contains("Run=1"));
}

TEST_F(MainWindowTest, ErrorBeforeTheHandlersAreInstalledShowsItsOwnTextAndTheWindowOpens)
{
    RecordingWindowChrome failing;
    failing.ownerGone = true;
    chrome = &failing;
    start();
    EXPECT_EQ(feedback.errors, QStringList{ u"The owner window is gone."_s });
    EXPECT_TRUE(feedback.information.isEmpty());
    EXPECT_EQ(window->windowTitle(), u"Loanwright"_s) << "the later steps are not done";
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, WithFrameServicesTheMainWindowOwnsTheTaskbarButtonAndGetsGlass)
{
    RecordingWindowChrome frame;
    chrome = &frame;
    haveSettings();
    start();
    using Show = RecordingWindowChrome::ShowRequest;
    EXPECT_EQ(frame.ownerStyle, 0x80u);
    EXPECT_EQ(frame.mainStyle, 0x40000u);
    EXPECT_EQ(frame.shows,
            (QList<Show>{ { ChromeWindow::ApplicationOwner, 0 },
                    { ChromeWindow::ApplicationOwner, 5 } }));
    EXPECT_EQ(frame.extensions, (QList<FrameMargins>{ { 0, 0, 0, 24 } }));
    EXPECT_EQ(window->pnlTop->palette().color(QPalette::Window),
            systemColour(SystemColour::ButtonFace, *window->pnlTop));

    ASSERT_TRUE(frame.sysCommand);
    EXPECT_TRUE(frame.sysCommand(0xF023)); // the low four bits do not count
    EXPECT_TRUE(frame.sysCommand(0xF120));
    EXPECT_FALSE(frame.sysCommand(0xF060));
    EXPECT_EQ(frame.shows.mid(2),
            (QList<Show>{ { ChromeWindow::Main, 6 }, { ChromeWindow::Main, 9 } }));
}

TEST_F(MainWindowTest, WithoutCompositionTheTopPanelTakesTheWindowColourAndNoGlass)
{
    haveSettings();
    RecordingWindowChrome oldVersion;
    oldVersion.majorVersion = 5;
    RecordingWindowChrome noManager;
    noManager.composition = std::nullopt;
    RecordingWindowChrome switchedOff;
    switchedOff.composition = false;
    for (RecordingWindowChrome *frame : { &oldVersion, &noManager, &switchedOff }) {
        chrome = frame;
        start();
        EXPECT_TRUE(frame->extensions.isEmpty());
        EXPECT_EQ(window->pnlTop->palette().color(QPalette::Window),
                systemColour(SystemColour::Window, *window->pnlTop));
    }
    chrome = &noChrome; // the Linux desktop
    start();
    EXPECT_EQ(window->pnlTop->palette().color(QPalette::Window),
            systemColour(SystemColour::Window, *window->pnlTop));
    EXPECT_NE(systemColour(SystemColour::Window, *window->pnlTop),
            systemColour(SystemColour::ButtonFace, *window->pnlTop));
}

TEST_F(MainWindowTest, OnTheLinuxDesktopTheWindowOwnsAnInactiveCueFix)
{
    haveSettings();
    start();
    const lw::shell::TVistaAltFix *fix = window->vistaAltFix();
    ASSERT_NE(fix, nullptr);
    EXPECT_EQ(fix->parent(), window.get());
    EXPECT_FALSE(fix->isActive());
    EXPECT_FALSE(application.idle);
    EXPECT_EQ(messages.hookedWindows(), 0U);
}

TEST_F(MainWindowTest, WithVisualStylesTheCueFixWatchesTheWindowUntilItIsDestroyed)
{
    haveSettings();
    RecordingWindowChrome styled;
    chrome = &styled;
    start();
    ASSERT_TRUE(application.idle);
    application.idle();
    EXPECT_NE(window->vistaAltFix()->recordOf(*window), nullptr);
    window.reset();
    EXPECT_FALSE(application.idle) << "the fix went with the window";
}
