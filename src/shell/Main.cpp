#include "shell/Main.h"

#include <QApplication>
#include <QCloseEvent>

#include "core/afford_values.h"
#include "core/app_texts.h"
#include "core/offer_values.h"
#include "core/saved_values.h"
#include "core/schedule_values.h"
#include "core/startup_values.h"
#include "core/window_frame_rules.h"
#include "platform/gui/palette_colour.h"
#include "shell/schedule/afford_page.h"
#include "shell/schedule/compare_page.h"
#include "shell/schedule/schedule_window.h"

namespace lw::shell {

TfrmMain *frmMain = nullptr;

TfrmMain::TfrmMain(const ShellServices &services, QWidget *parent)
    : QMainWindow(parent)
    , FServices(services)
    , FIntl(services.locale.current())
    , FEntryServices{ services.feedback, services.clipboard, FIntl }
    // A browser that fails after it started is heard as the links' failures are.
    , FHelp(services.desktop, [&feedback = services.feedback] {
        feedback.beep();
    })
{
    setObjectName(QStringLiteral("frmMain"));
    frmMain = this;
    createWindow();
    connectHandlers();
    SetTaskbarStyle();
    FServices.application.setSessionEndHandler([this] {
        return saveAtSessionEnd();
    });
    // Before the start-up steps, whose message boxes come to the front as well.
    FServices.instances.serve([this] {
        bringToFront();
    });
    FormCreate();
}

TfrmMain::~TfrmMain()
{
    // FormDestroy: nobody may reach the window through the global any more.
    if (frmMain == this)
        frmMain = nullptr;
    FServices.application.setSessionEndHandler({});
    FServices.instances.serve({});
}

void TfrmMain::FormCreate()
{
    try {
        runStartupSteps();
    } catch (...) {
        // The window still opens; the steps after the failing one are not done.
        reportError(std::current_exception());
    }
}

void TfrmMain::runStartupSteps()
{
    HideApplicationButton();
    AdjustForGlass();
    FVistaAltFix =
            new TVistaAltFix(this, { FServices.chrome, FServices.messages, FServices.application });
    core::setFoldersAndTags(FValues, FServices.folders.commonData(), FServices.folders.program());
    setWindowTitle(core::applicationTitle());
    restoreSavedValues();
    installApplicationHandlers();
    FHelp.setHelpFile(core::helpFilePath(FValues));
    FServices.application.setHintTiming(core::HintPauseMs, core::HintHidePauseMs);
    Calculate();
    showFirstRunHelp();
    FValues.FRunBefore = true;
}

void TfrmMain::restoreSavedValues()
{
    core::loadSavedValues(FValues, FServices.files, FServices.locale.current());
    FValuesAsRead = FValues;
    // The first pass comes after every field is restored, not when the term is checked.
    FRestoring = true;
    core::restoreFields(FValues, controls());
    FRestoring = false;
}

void TfrmMain::installApplicationHandlers()
{
    FServices.application.setActivationHandler([this] {
        ApplicationActivate();
    });
    FApplicationHint = std::make_unique<ApplicationHint>();
    connect(FApplicationHint.get(), &ApplicationHint::hintChanged, this, &TfrmMain::AppOnHint);
    FHandlersInstalled = true;
}

void TfrmMain::showFirstRunHelp()
{
    if (FValues.FRunBefore)
        return;
    // Even a help that fails to open counts: the next start must not try again.
    FValues.FRunBefore = true;
    FHelp.showContext(core::FirstRunHelpContext);
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    FormClose(event);
}

void TfrmMain::FormClose(QCloseEvent *event)
{
    try {
        saveValues();
        event->accept();
    } catch (...) {
        // The user has been told once; the close after that tries again and lets them go.
        if (FSaveFailed) {
            event->accept();
            return;
        }
        FSaveFailed = true;
        event->ignore();
        reportError(std::current_exception());
    }
}

void TfrmMain::saveValues()
{
    FHelp.closeAll();
    const platform::LocaleInfo &locale = FServices.locale.current();
    // The schedule's inputs are kept only once its window has been open, in the same write.
    core::MoreSettings schedule;
    if (FScheduleWindow)
        schedule = [values = FScheduleWindow->values(), this, &locale](
                           platform::ProfileFile &settings) {
            return core::writeScheduleValues(settings, values, locale, &FScheduleValuesAsRead);
        };
    // The offers and the affordability inputs likewise, once their pages have been shown.
    core::MoreSettings offers;
    if (FComparePage)
        offers = [values = FComparePage->values()](platform::ProfileFile &settings) {
            return core::writeCompareValues(settings, values);
        };
    core::MoreSettings afford;
    if (FAffordPage)
        afford = [inputs = FAffordPage->inputs(), &locale](platform::ProfileFile &settings) {
            return core::writeAffordValues(settings, inputs, locale);
        };
    core::SaveValuesAtExit(
            FValues, FServices.files, locale, { schedule, offers, afford }, &FValuesAsRead);
}

bool TfrmMain::saveAtSessionEnd()
{
    // Saves as a close does, but nobody may be left to answer a message: a failure goes to
    // the session's log and the exit status.
    try {
        saveValues();
        return true;
    } catch (const std::exception &error) {
        qWarning("%s", error.what());
        return false;
    }
}

void TfrmMain::bringToFront()
{
    if (isMinimized())
        showNormal();
    // A box or dialog over the window is what the user must answer first.
    QWidget *front = QApplication::activeModalWidget();
    if (front == nullptr)
        front = this;
    front->raise();
    front->activateWindow();
}

void TfrmMain::SetTaskbarStyle()
{
    const auto main = platform::ChromeWindow::Main;
    FServices.chrome.setExtendedStyle(
            main, core::mainWindowWithButton(FServices.chrome.extendedStyle(main)));
    FServices.chrome.setSystemCommandHandler([this](std::uint32_t command) {
        return HandleSysCommand(command);
    });
}

void TfrmMain::HideApplicationButton()
{
    constexpr int Hide = 0;
    constexpr int Show = 5;
    const auto owner = platform::ChromeWindow::ApplicationOwner;
    platform::WindowChrome &chrome = FServices.chrome;
    chrome.showWindow(owner, Hide);
    chrome.setExtendedStyle(owner, core::ownerWithoutButton(chrome.extendedStyle(owner)));
    chrome.showWindow(owner, Show);
}

void TfrmMain::AdjustForGlass()
{
    platform::WindowChrome &chrome = FServices.chrome;
    const bool glass =
            core::compositionOn(chrome.platformMajorVersion(), chrome.compositionEnabled());
    const auto colour = glass ? platform::SystemColour::ButtonFace : platform::SystemColour::Window;
    QPalette palette = pnlTop->palette();
    palette.setColor(
            QPalette::Window, platform::paletteColour(platform::systemColour(colour), palette));
    pnlTop->setPalette(palette);
    if (glass)
        chrome.extendFrameIntoClientArea(core::glassMargins());
}

bool TfrmMain::HandleSysCommand(std::uint32_t command)
{
    // The window minimises and restores itself, not the application's owner window.
    const std::optional<int> show = core::ownShowCommand(command);
    if (show)
        FServices.chrome.showWindow(platform::ChromeWindow::Main, *show);
    return show.has_value();
}

void TfrmMain::contextMenuEvent(QContextMenuEvent *event)
{
    // Here the menu comes with the press. Over the status bar it waits for the release, which
    // may be a click on the web panel: that click must not be swallowed by the menu.
    const QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Mouse
            && statusBar->rect().contains(statusBar->mapFromGlobal(at))) {
        FPopupAfterRelease = at;
        return;
    }
    mnuPop->popup(at);
}

core::CalculatorControls TfrmMain::controls()
{
    return { *edtSalesPrice, *edtDownPayment, *edtActualLoan, *edtInterestRate, *edtAnnualTaxes,
        *edtAnnualInsurance, *edtMonthlyPI, *edtMonthlyPITI, *rb15, *rb20, *rb30, *lblSummary1,
        *lblSummary2, *lblSummary3 };
}

} // namespace lw::shell
