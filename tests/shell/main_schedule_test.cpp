#include <functional>

#include <QLineEdit>
#include <QScreen>

#include "main_fixture.h"
#include "shell/schedule/schedule_window.h"
#include "support/row_printers.h"

namespace lw::test {

namespace {

using shell::ScheduleWindow;

ScheduleWindow *openSchedule(const shell::TfrmMain &window)
{
    return window.findChild<ScheduleWindow *>();
}

struct OpenRow
{
    const char *name;
    std::function<void(shell::TfrmMain &)> open;
};

LW_PRINT_ROW_NAME(OpenRow)

class ScheduleOpening : public MainWindowTest, public ::testing::WithParamInterface<OpenRow>
{
};

TEST_P(ScheduleOpening, ShowsTheScheduleOfTheLastPass)
{
    haveSettings();
    start();
    GetParam().open(*window);
    ScheduleWindow *schedule = openSchedule(*window);
    ASSERT_NE(schedule, nullptr);
    EXPECT_TRUE(schedule->isVisible());
    EXPECT_EQ(schedule->windowTitle(), u"Amortization Schedule");
    EXPECT_EQ(schedule->schedule().rows.size(), 360U) << "the default loan over 30 years";
}

INSTANTIATE_TEST_SUITE_P(Routes, ScheduleOpening,
        ::testing::Values(OpenRow{ "FileMenu",
                                  [](shell::TfrmMain &w) {
                                      w.mnuFileSchedule->trigger();
                                  } },
                OpenRow{ "ContextMenu",
                        [](shell::TfrmMain &w) {
                            w.mnuPopSchedule->trigger();
                        } },
                OpenRow{ "ShortcutInAField",
                        [](shell::TfrmMain &w) {
                            w.edtSalesPrice->setFocus(Qt::OtherFocusReason);
                            QTest::keyClick(w.edtSalesPrice, Qt::Key_A,
                                    Qt::ControlModifier | Qt::ShiftModifier);
                        } }),
        RowName());

class ScheduleFollowing : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        haveSettings();
        start();
        window->mnuFileSchedule->trigger();
        schedule = openSchedule(*window);
        ASSERT_NE(schedule, nullptr);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    ScheduleWindow *schedule = nullptr;
};

TEST_F(ScheduleFollowing, AnEditLeftByTabUpdatesTheScheduleOnce)
{
    window->edtDownPayment->setFocus(Qt::OtherFocusReason); // leaving the price is a pass too
    const QSignalSpy updates(schedule, &ScheduleWindow::scheduleUpdated);
    QTest::keyClicks(window->edtDownPayment, QStringLiteral("40000"));
    QTest::keyClick(window->edtDownPayment, Qt::Key_Tab);
    EXPECT_EQ(updates.count(), 1);
    EXPECT_EQ(schedule->schedule().totals.principal, 6000000) << "100,000 less 40,000";
}

TEST_F(ScheduleFollowing, APassEndingInAMathErrorLeavesTheScheduleAlone)
{
    // Below -1200 % the payment's logarithm fails; the field's mask must hold the rate first.
    window->edtInterestRate->field().setPictureMask(QStringLiteral("#####.####"));
    window->edtInterestRate->setFocus(Qt::OtherFocusReason);
    window->edtInterestRate->setFloatValue(-1300);
    const QSignalSpy updates(schedule, &ScheduleWindow::scheduleUpdated);
    const int passes = passesDuring([this] {
        QTest::keyClick(window->edtInterestRate, Qt::Key_Tab);
    });
    // The failed pass, then the recovery's own complete pass with the restored inputs.
    EXPECT_EQ(passes, 2);
    EXPECT_EQ(updates.count(), 1);
    EXPECT_EQ(schedule->schedule().rows.size(), 360U);
}

TEST_F(ScheduleFollowing, ItsInputsAreKeptInTheirOwnSectionAcrossRuns)
{
    core::ScheduleValues chosen;
    chosen.extras = { 10000, 1, { { 12, 500000 } } };
    chosen.firstPayment = QDate(2027, 5, 1);
    chosen.view = 1;
    chosen.oneTimeText = QStringLiteral("12=5000");
    schedule->setValues(chosen);
    ASSERT_TRUE(closeWindow());
    EXPECT_TRUE(savedLines().contains("[ScheduleValues]"));
    EXPECT_TRUE(savedLines().contains("OneTimeExtras=12=5000"));
    window.reset();
    start();
    window->mnuFileSchedule->trigger();
    core::ScheduleValues reopened = openSchedule(*window)->values();
    reopened.window = {}; // where the window stands is not a choice made here
    EXPECT_EQ(reopened, chosen);
}

TEST_F(ScheduleFollowing, ReopensInsideTheScreenLeavingTheFieldsInSight)
{
    schedule->resize(700, 450);
    schedule->move(100000, 40); // beyond the right edge, as after a larger screen
    ASSERT_TRUE(closeWindow());
    window.reset();
    start();
    window->mnuFileSchedule->trigger();
    const ScheduleWindow *reopened = openSchedule(*window);
    const QRect screen = reopened->screen()->availableGeometry();
    EXPECT_EQ(reopened->width(), 700);
    EXPECT_TRUE(screen.contains(reopened->frameGeometry())) << "inside the screen";
    // Moved inside, its old place would cover the calculator, which opened where it always
    // does: it is placed anew, from its old size.
    const QWidget &last = *window->edtMonthlyPITI;
    const QPoint fieldsEnd = last.mapToGlobal(QPoint(last.width(), last.height()));
    EXPECT_FALSE(reopened->frameGeometry().intersects(
            QRect(window->frameGeometry().topLeft(), fieldsEnd)));
}

struct TypedExtrasRow
{
    const char *name;
    QString text;
    std::vector<core::OneTimeExtra> used;
};

LW_PRINT_ROW_NAME(TypedExtrasRow)

class TypedExtras : public ScheduleFollowing, public ::testing::WithParamInterface<TypedExtrasRow>
{
};

TEST_P(TypedExtras, SurviveACloseAndARestartAsTyped)
{
    auto *field = schedule->findChild<QLineEdit *>();
    ASSERT_NE(field, nullptr);
    field->setText(GetParam().text); // as a paste does
    ASSERT_EQ(field->text(), GetParam().text);
    ASSERT_TRUE(closeWindow());
    window.reset();
    start();
    window->mnuFileSchedule->trigger();
    const core::ScheduleValues reopened = openSchedule(*window)->values();
    EXPECT_EQ(reopened.oneTimeText, GetParam().text);
    EXPECT_EQ(reopened.extras.oneTime, GetParam().used);
}

INSTANTIATE_TEST_SUITE_P(Texts, TypedExtras,
        ::testing::Values(TypedExtrasRow{ "OneEntryUnreadable",
                                  QStringLiteral(" 12=5000;  60=abc "), { { 12, 500000 } } },
                TypedExtrasRow{ "FortyThousandCharacters",
                        QStringLiteral("100=150000; ").repeated(3334),
                        std::vector<core::OneTimeExtra>(3334, { 100, 15000000 }) }),
        RowName());

struct CostChoiceRow
{
    const char *name;
    std::function<void(core::ScheduleValues &)> choose;
    QByteArray saved; // the entry written
};

LW_PRINT_ROW_NAME(CostChoiceRow)

class CostChoices : public ScheduleFollowing, public ::testing::WithParamInterface<CostChoiceRow>
{
};

TEST_P(CostChoices, SurviveACloseAndARestart)
{
    core::ScheduleValues chosen = schedule->values();
    chosen.window = {};
    GetParam().choose(chosen);
    schedule->setValues(chosen);
    ASSERT_TRUE(closeWindow());
    EXPECT_TRUE(savedLines().contains(GetParam().saved));
    window.reset();
    start();
    window->mnuFileSchedule->trigger();
    core::ScheduleValues reopened = openSchedule(*window)->values();
    reopened.window = {};
    EXPECT_EQ(reopened, chosen);
}

INSTANTIATE_TEST_SUITE_P(Keys, CostChoices,
        ::testing::Values(CostChoiceRow{ "MortgageInsuranceRate",
                                  [](core::ScheduleValues &v) {
                                      v.mortgageInsuranceRate = 5500;
                                  },
                                  "MortgageInsuranceRate=0.55" },
                CostChoiceRow{ "MonthlyHoa",
                        [](core::ScheduleValues &v) {
                            v.monthlyHoa = 5000;
                        },
                        "MonthlyHoa=50" },
                CostChoiceRow{ "CancelOnRequest",
                        [](core::ScheduleValues &v) {
                            v.cancelOnRequest = false;
                        },
                        "CancelOnRequest=0" },
                CostChoiceRow{ "YearlyExtra",
                        [](core::ScheduleValues &v) {
                            v.extras.yearly = { 250000, 6, 2031 };
                        },
                        "YearlyExtraMonth=6" },
                CostChoiceRow{ "Biweekly",
                        [](core::ScheduleValues &v) {
                            v.extras.biweekly = true;
                        },
                        "Biweekly=1" }),
        RowName());

} // namespace

} // namespace lw::test
