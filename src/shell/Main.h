#pragma once

#include <array>
#include <cstdint>
#include <exception>
#include <memory>
#include <optional>

#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>

#include "core/calculation_pass.h"
#include "core/cents.h"
#include "core/schedule_values.h"
#include "core/value_record.h"
#include "platform/html_help.h"
#include "shell/VistaAltFixUnit.h"
#include "shell/application_hint.h"
#include "shell/notebook/ovcnbk.h"
#include "shell/page_controls.h"
#include "shell/shell_services.h"
#include "shell/statusbar/abfStatusBars.h"
#include "widgets/html/HTMLabel.h"
#include "widgets/html/htmlhint.h"
#include "widgets/numeric/field/ovcnf.h"
#include "widgets/numeric/ovcintl.h"
#include "widgets/url/ovcurl.h"

namespace lw::shell {

class ComparePage;
class AffordPage;
class ScheduleWindow;

/// The calculator window: a button strip, a notebook with the calculator page and a page on
/// the sibling product, a status bar, a menu bar and a context menu. It restores the saved
/// values when created, recalculates whenever a field is left or a term picked, and saves the
/// values when closed.
class TfrmMain final : public QMainWindow
{
    Q_OBJECT

public:
    explicit TfrmMain(const ShellServices &services, QWidget *parent = nullptr);
    ~TfrmMain() override;
    Q_DISABLE_COPY_MOVE(TfrmMain)

    /// The inputs and results of the last completed pass, the folders and the referral tag.
    const core::ValueRecord &values() const { return FValues; }

    const platform::HtmlHelp &help() const { return FHelp; }

    /// The keyboard-cue repaint fix; nullptr when start-up failed before making it.
    const TVistaAltFix *vistaAltFix() const { return FVistaAltFix; }

    // Handlers, named as the controls and menu entries that call them know them.
    void Calculate();
    void btnResetClick();
    void mnuFileExitClick();
    void mnuHelpContentsClick();
    void ApplicationActivate();
    void AppOnException(std::exception_ptr error);
    void AppOnHint(const QString &hint);
    bool HandleSysCommand(std::uint32_t command);
    void statusBarMouseMove(Qt::KeyboardModifiers Shift, int X, int Y);
    void statusBarPanelClick(TabfStatusPanel *Panel, Qt::MouseButton Button,
            Qt::KeyboardModifiers Shift, int X, int Y);
    void statusBarResize();
    void GoOnline(QObject *Sender);
    void imgScreenShotClick();
    void ShowSchedule();
    void ShowCompare();
    void ShowAfford();
    // Where it was last time, else beside the calculator; `saved` is empty the first time.
    void placeSchedule(const QRect &saved);
    void makeScheduleWindow();
    void raiseCompanion();
    void ShowAbout();
    void ShowDisclaimer();

    /// Centres Form (not shown yet) over this window, but never left of or above the
    /// screen's origin.
    void CenterForm(QWidget &Form) const;

    /// Runs a handler as the application runs every event: an error it raises goes to the
    /// application-wide error handler instead of unwinding through the event loop. The
    /// dialogs run theirs through it too.
    template <typename Handler>
    void guarded(Handler &&handler)
    {
        try {
            handler();
        } catch (...) {
            reportError(std::current_exception());
        }
    }

    // The top panel.
    QFrame *pnlTop = nullptr;
    QPushButton *btnReset = nullptr;
    QPushButton *btnUpdate = nullptr;
    QPushButton *btnHelp = nullptr;
    QPushButton *btnAbout = nullptr;
    QPushButton *btnExit = nullptr;
    url::TOvcURL *UrlOnline = nullptr;

    // The notebook and the calculator page.
    TOvcNotebook *nbkMain = nullptr;
    TOvcTabPage *Page1 = nullptr;
    numeric::TOvcNumericField *edtSalesPrice = nullptr;
    numeric::TOvcNumericField *edtDownPayment = nullptr;
    numeric::TOvcNumericField *edtActualLoan = nullptr;
    numeric::TOvcNumericField *edtInterestRate = nullptr;
    numeric::TOvcNumericField *edtMonthlyPI = nullptr;
    numeric::TOvcNumericField *edtAnnualTaxes = nullptr;
    numeric::TOvcNumericField *edtAnnualInsurance = nullptr;
    numeric::TOvcNumericField *edtMonthlyPITI = nullptr;
    QFrame *Panel1 = nullptr;
    TermRadioButton *rb15 = nullptr;
    TermRadioButton *rb20 = nullptr;
    TermRadioButton *rb30 = nullptr;
    BottomLineBevel *Bevel1 = nullptr;
    SummaryLabel *lblSummary1 = nullptr;
    SummaryLabel *lblSummary2 = nullptr;
    SummaryLabel *lblSummary3 = nullptr;

    // The page on the sibling product.
    TOvcTabPage *Page2 = nullptr;
    QWidget *Panel3 = nullptr;
    html::THTMLabel *HTMLabel3 = nullptr;
    html::THTMLabel *HTMLabel2 = nullptr;
    html::THTMLabel *HTMLabel1 = nullptr;
    QLabel *imgScreenShot = nullptr;

    // The status bar.
    TabfStatusBar *statusBar = nullptr;
    TabfStatusPanel *WebPanel = nullptr;
    TabfStatusPanel *HintPanel = nullptr;

    // Every tool-tip of the program is drawn by it.
    html::THTMLHint *HTMLHint1 = nullptr;

    // The menus.
    QMenu *mnuPop = nullptr;
    QAction *mnuFileReset = nullptr;
    QAction *mnuFileSchedule = nullptr;
    QAction *mnuFileCompare = nullptr;
    QAction *mnuFileAfford = nullptr;
    QAction *mnuFilePrintSetup = nullptr;
    QAction *mnuFilePrint = nullptr;
    QAction *mnuFileExit = nullptr;
    QAction *mnuWOHome = nullptr;
    QAction *mnuWOApplicationInformation = nullptr;
    QAction *mnuWOSuggestionBox = nullptr;
    QAction *mnuWOSupport = nullptr;
    QAction *mnuWOFreeware = nullptr;
    QAction *mnuWOBlog = nullptr;
    QMenu *ContactFerrowindbyEmail1 = nullptr;
    QAction *mnuWOMailSuggestions = nullptr;
    QAction *mnuWOMailSupport = nullptr;
    QMenu *mnuInternetDownload = nullptr;
    // The trial versions, in the order of the maker's products.
    QAction *mnuIDHomestakeSuite = nullptr;
    QAction *mnuIDAmortisationPlanner = nullptr;
    QAction *mnuIDRefinanceAdvisor = nullptr;
    QAction *mnuIDRentOrBuyCalculator = nullptr;
    QAction *mnuIDSavingsGoalPlanner = nullptr;
    QAction *mnuIDLoanComparisonDesk = nullptr;
    QAction *mnuIDHouseholdBudgetBook = nullptr;
    QAction *mnuWOCheckForUpdate = nullptr;
    QAction *Contents1 = nullptr;
    QAction *mnuHelpDisclaimer = nullptr;
    QAction *About1 = nullptr;
    QAction *mnuPopReset = nullptr;
    QAction *mnuPopSchedule = nullptr;
    QAction *mnuPopCompare = nullptr;
    QAction *mnuPopPrinterSetup = nullptr;
    QAction *mnuPopPrint = nullptr;
    QAction *mnuPopAbout = nullptr;
    QAction *mnuPopExit = nullptr;

Q_SIGNALS:
    /// A calculation pass begins; it may still end in a math error.
    void calculationStarted();

protected:
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Building the window, in the order of its parts.
    void createWindow();
    void createTopPanel(QWidget *client);
    QPushButton *createToolButton(int x, const QString &hint, const QIcon &glyph);
    void createNotebook(QWidget *client);
    void createPage1();
    QList<QLabel *> createLabels();
    numeric::TOvcNumericField *createField(
            int y, const QString &mask, bool isResult, const QString &hint, const QString &name);
    void createTermGroup();
    void createSummary();
    void setTabOrder();
    void createPage2();
    html::THTMLabel *createProductLabel(
            const QString &name, const QRect &bounds, const QString &markup);
    void createStatusBar(QWidget *client);
    void createHintComponent();
    void createMainMenu();
    void createFileMenu();
    void createOnlineMenu();
    void createHelpMenu();
    void createContextMenu();
    void connectHandlers();
    void connectFieldExits();
    void connectStatusBar();
    void connectOnline();
    void connectDialogs();
    /// The address GoOnline opens for Sender; nullopt for a sender it does not know.
    std::optional<QString> onlineAddress(const QObject *Sender) const;
    /// The entries of the trial versions, in the order of the maker's products.
    static const std::array<QAction * TfrmMain::*, 7> &trialEntries();
    void syncTermFocus();

    // Start-up and shutdown.
    void FormCreate();
    void runStartupSteps();
    void restoreSavedValues();
    void installApplicationHandlers();
    void showFirstRunHelp();
    void FormClose(QCloseEvent *event);
    void saveValues();
    bool saveAtSessionEnd();
    void bringToFront(); // a later start asked for this copy
    void SetTaskbarStyle();
    void HideApplicationButton();
    void AdjustForGlass();
    void recoverFromMathError();
    void useAffordPrice(core::Cents price, core::Cents downPayment);
    core::CalculatorControls controls();

    void reportError(const std::exception_ptr &error);

    const ShellServices FServices;
    numeric::TOvcIntlSup FIntl;
    numeric::EntryServices FEntryServices;
    platform::HtmlHelp FHelp;
    core::ValueRecord FValues;
    // As read from the file: what another running copy saved since is kept where these are.
    core::ValueRecord FValuesAsRead;
    core::ScheduleValues FScheduleValuesAsRead;
    std::unique_ptr<ApplicationHint> FApplicationHint; // from the handlers' installation on
    TVistaAltFix *FVistaAltFix = nullptr; // a child from start-up on, destroyed with the window
    bool FRestoring = false; // the saved term is being checked: no pass for it
    bool FHandlersInstalled = false; // errors reach AppOnException from here on
    bool FRecovering = false; // inside the math-error recovery
    bool FSaveFailed = false; // the next close request closes even if its save fails
    std::optional<QPoint> FPopupAfterRelease; // the context menu asked for over the status bar
    ScheduleWindow *FScheduleWindow = nullptr; // the companion, owned; made when first shown
    // Pages of the companion, owned by its tabs; made when first shown.
    ComparePage *FComparePage = nullptr;
    AffordPage *FAffordPage = nullptr;
};

/// The one main window of the application while it exists.
extern TfrmMain *frmMain;

} // namespace lw::shell
