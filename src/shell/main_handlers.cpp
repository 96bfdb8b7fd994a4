#include <utility>

#include <QGuiApplication>
#include <QScreen>

#include "core/afford_values.h"
#include "core/app_texts.h"
#include "core/dialog_placement.h"
#include "core/factory_inputs.h"
#include "core/maker_addresses.h"
#include "core/math_error.h"
#include "core/offer_values.h"
#include "core/saved_values.h"
#include "core/schedule_values.h"
#include "shell/Main.h"
#include "shell/schedule/afford_page.h"
#include "shell/schedule/compare_page.h"
#include "shell/schedule/schedule_window.h"

namespace lw::shell {

void TfrmMain::connectHandlers()
{
    const auto wire = [this](auto *source, auto signal, void (TfrmMain::*handler)()) {
        connect(source, signal, this, [this, handler] {
            guarded([&] {
                (this->*handler)();
            });
        });
    };
    wire(btnReset, &QAbstractButton::clicked, &TfrmMain::btnResetClick);
    wire(btnHelp, &QAbstractButton::clicked, &TfrmMain::mnuHelpContentsClick);
    wire(btnExit, &QAbstractButton::clicked, &TfrmMain::mnuFileExitClick);
    for (QAction *entry : { mnuFileReset, mnuPopReset })
        wire(entry, &QAction::triggered, &TfrmMain::btnResetClick);
    for (QAction *entry : { mnuFileExit, mnuPopExit })
        wire(entry, &QAction::triggered, &TfrmMain::mnuFileExitClick);
    wire(Contents1, &QAction::triggered, &TfrmMain::mnuHelpContentsClick);
    for (QAction *entry : { mnuFileSchedule, mnuPopSchedule })
        wire(entry, &QAction::triggered, &TfrmMain::ShowSchedule);
    for (QAction *entry : { mnuFileCompare, mnuPopCompare })
        wire(entry, &QAction::triggered, &TfrmMain::ShowCompare);
    wire(mnuFileAfford, &QAction::triggered, &TfrmMain::ShowAfford);
    connectFieldExits();
    connectStatusBar();
    connectOnline();
    connectDialogs();
}

void TfrmMain::connectFieldExits()
{
    for (numeric::TOvcNumericField *edit :
            { edtSalesPrice, edtDownPayment, edtActualLoan, edtInterestRate, edtMonthlyPI,
                    edtAnnualTaxes, edtAnnualInsurance, edtMonthlyPITI })
        connect(edit, &numeric::TOvcNumericField::OnExit, this, [this] {
            guarded([this] {
                Calculate();
            });
        });
    for (TermRadioButton *button : { rb15, rb20, rb30 })
        connect(button, &QAbstractButton::toggled, this, [this](bool checked) {
            syncTermFocus();
            // A pass for each newly checked term, except the one restored at start-up.
            if (checked && !FRestoring)
                guarded([this] {
                    Calculate();
                });
        });
}

void TfrmMain::connectStatusBar()
{
    connect(statusBar, &TabfStatusBar::OnMouseMove, this, &TfrmMain::statusBarMouseMove);
    connect(statusBar, &TabfStatusBar::OnPanelClick, this, &TfrmMain::statusBarPanelClick);
    connect(statusBar, &TabfStatusBar::OnResize, this, &TfrmMain::statusBarResize);
}

void TfrmMain::Calculate()
{
    Q_EMIT calculationStarted();
    core::Calculate(FValues, controls(), FServices.locale.current());
    // Only a pass that completed reaches here: one that fails leaves the schedule as it was.
    if (FScheduleWindow)
        FScheduleWindow->follow(FValues);
    if (FAffordPage)
        FAffordPage->follow(FValues);
}

void TfrmMain::btnResetClick()
{
    nbkMain->setPageIndex(0);
    core::writeFactoryInputs(controls());
    edtSalesPrice->setFocus(Qt::OtherFocusReason);
    Calculate();
}

void TfrmMain::ShowSchedule()
{
    makeScheduleWindow();
    FScheduleWindow->showSchedulePage();
    raiseCompanion();
}

void TfrmMain::ShowCompare()
{
    makeScheduleWindow();
    if (!FComparePage) {
        FComparePage = new ComparePage(
                { FServices.files, FServices.dialogs, FServices.feedback, FServices.locale },
                FScheduleWindow);
        FComparePage->follow(FValues, FScheduleWindow->values());
        FComparePage->setValues(
                core::loadCompareValues(core::settingsFilePath(FValues), FServices.files));
        // Each pass reaches it through the schedule, which takes the pass first; so does a
        // new first payment month, which moves the months the comparison names.
        connect(FScheduleWindow, &ScheduleWindow::scheduleUpdated, FComparePage, [this] {
            FComparePage->follow(FValues, FScheduleWindow->values());
        });
    }
    FScheduleWindow->showPage(FComparePage, QStringLiteral("Compare &Offers"));
    raiseCompanion();
}

void TfrmMain::raiseCompanion()
{
    FScheduleWindow->show();
    FScheduleWindow->raise();
    FScheduleWindow->activateWindow();
}

void TfrmMain::makeScheduleWindow()
{
    if (!FScheduleWindow) {
        FScheduleWindow = new ScheduleWindow(
                { FServices.files, FServices.dialogs, FServices.feedback, FServices.locale }, this);
        FScheduleWindow->follow(FValues);
        FScheduleValuesAsRead = core::loadScheduleValues(
                core::settingsFilePath(FValues), FServices.files, FServices.locale.current());
        FScheduleWindow->setValues(FScheduleValuesAsRead);
        placeSchedule(FScheduleValuesAsRead.window);
    }
}

void TfrmMain::ShowAfford()
{
    makeScheduleWindow();
    if (!FAffordPage) {
        FAffordPage = new AffordPage(FServices.locale, FScheduleWindow);
        // Preset from the calculator, and HOA dues and mortgage insurance from the schedule.
        core::AffordInputs defaults = core::affordDefaults(FValues);
        defaults.terms.mortgageInsuranceRate = FScheduleWindow->values().mortgageInsuranceRate;
        defaults.terms.monthlyHoa = FScheduleWindow->values().monthlyHoa;
        FAffordPage->setInputs(core::loadAffordValues(core::settingsFilePath(FValues),
                FServices.files, FServices.locale.current(), defaults));
        connect(FAffordPage, &AffordPage::usePrice, this,
                [this](core::Cents price, core::Cents downPayment) {
                    guarded([&] {
                        useAffordPrice(price, downPayment);
                    });
                });
    }
    FScheduleWindow->showPage(FAffordPage, QStringLiteral("&Afford"));
    raiseCompanion();
}

void TfrmMain::useAffordPrice(core::Cents price, core::Cents downPayment)
{
    // As if both were typed and the field left: one pass; nothing else of the calculator moves.
    edtSalesPrice->setFloatValue(core::toAmount(price));
    edtDownPayment->setFloatValue(core::toAmount(downPayment));
    Calculate();
}

void TfrmMain::placeSchedule(const QRect &saved)
{
    // The window manager frames it as it framed the calculator.
    const QRect client = geometry();
    const QRect outer = frameGeometry();
    const QMargins frame(client.left() - outer.left(), client.top() - outer.top(),
            outer.right() - client.right(), outer.bottom() - client.bottom());
    // The field column down to the last result field stays in sight.
    const QPoint fieldsEnd =
            edtMonthlyPITI->mapToGlobal(QPoint(edtMonthlyPITI->width(), edtMonthlyPITI->height()));
    if (saved.isValid()) {
        // Where it was, inside the screen it reopens on, unless the calculator now stands
        // there: then placed anew from its old size.
        const QScreen *on = QGuiApplication::screenAt(saved.topLeft() + QPoint(20, 20));
        const QRect area = (on ? on : screen())->availableGeometry();
        const QRect framed = core::movedInside(
                QRect(saved.topLeft(), saved.size().grownBy(frame).boundedTo(area.size())), area);
        FScheduleWindow->resize(framed.size().shrunkBy(frame));
        if (!framed.intersects(QRect(outer.topLeft(), fieldsEnd))) {
            FScheduleWindow->move(framed.topLeft());
            return;
        }
    }
    // Beside the calculator, so an edit there and its effect here are seen together.
    FScheduleWindow->bringUpToDate();
    const core::CompanionPlacement placed = core::placeCompanion({ screen()->availableGeometry(),
            outer, QRect(QPoint(0, 0), fieldsEnd - outer.topLeft()),
            FScheduleWindow->size().grownBy(frame),
            FScheduleWindow->minimumSizeHint().grownBy(frame) });
    if (placed.main.topLeft() != outer.topLeft())
        move(placed.main.topLeft());
    FScheduleWindow->resize(placed.companion.size().shrunkBy(frame));
    FScheduleWindow->move(placed.companion.topLeft());
}

void TfrmMain::mnuFileExitClick()
{
    close();
}

void TfrmMain::mnuHelpContentsClick()
{
    FHelp.showContents();
}

void TfrmMain::ApplicationActivate()
{
    FServices.application.bringActiveWindowToFront();
}

void TfrmMain::AppOnHint(const QString &hint)
{
    if (FHandlersInstalled)
        HintPanel->setText(core::hintLongPart(hint));
}

void TfrmMain::statusBarMouseMove(Qt::KeyboardModifiers, int X, int)
{
    const int webWidth = WebPanel->Width();
    // The arrow returns a few pixels before the prompt gives way to the maker's name.
    statusBar->setCursor(X < webWidth - 5 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    HintPanel->setText(X > webWidth ? QStringLiteral("Brannock Software")
                                    : u"Click to visit " + core::maker::SiteDomain);
}

void TfrmMain::statusBarPanelClick(
        TabfStatusPanel *Panel, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    if (Panel->Name() != u"WebPanel")
        return;
    // A failure to open the site must leave the bar usable; the shell already beeps for it.
    try {
        GoOnline(statusBar);
    } catch (...) { }
}

void TfrmMain::statusBarResize()
{
    HintPanel->setWidth(statusBar->width() - (WebPanel->Width() + 2));
}

void TfrmMain::reportError(const std::exception_ptr &error)
{
    if (FHandlersInstalled) {
        AppOnException(error);
        return;
    }
    // Before the application's handler is installed, the error speaks for itself.
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &failure) {
        FServices.feedback.showError(core::asSentence(QString::fromStdString(failure.what())));
    } catch (...) {
        FServices.feedback.showError(core::unidentifiedErrorMessage());
    }
}

void TfrmMain::AppOnException(std::exception_ptr error)
{
    try {
        std::rethrow_exception(std::move(error));
    } catch (const core::MathError &) {
        FServices.feedback.showInformation(core::informationCaption(), core::mathErrorMessage());
        recoverFromMathError();
    } catch (...) {
        FServices.feedback.showInformation(
                core::informationCaption(), core::unidentifiedErrorMessage());
    }
}

void TfrmMain::recoverFromMathError()
{
    edtSalesPrice->setFloatValue(core::factory::SalesPrice);
    edtInterestRate->setFloatValue(core::factory::InterestRate);
    const bool termUnchanged = rb30->isChecked();
    rb30->setChecked(true);
    // Checking an already checked term runs no pass, which would leave results of the failed
    // pass beside the restored inputs. One more pass matches them, unless this is already
    // the recovery from such a pass: inputs the recovery does not touch may fail again.
    if (termUnchanged && !FRecovering) {
        FRecovering = true;
        guarded([this] {
            Calculate();
        });
        FRecovering = false;
    }
    edtSalesPrice->setFocus(Qt::OtherFocusReason);
}

} // namespace lw::shell
