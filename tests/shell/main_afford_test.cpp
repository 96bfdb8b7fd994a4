#include <QPushButton>

#include "main_fixture.h"
#include "shell/schedule/afford_page.h"
#include "shell/schedule/schedule_window.h"

namespace lw::test {

namespace {

using shell::AffordPage;

class AffordFromTheCalculator : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        haveSettings();
        start();
        openPage();
    }

    void openPage()
    {
        window->mnuFileAfford->trigger();
        page = window->findChild<AffordPage *>();
        ASSERT_NE(page, nullptr);
        ASSERT_TRUE(page->isVisible());
    }

    // 9,000 a month, 500 of other debts, 40,000 down, taxes 1.25 %, at the calculator's rate.
    void enterBuyer()
    {
        core::AffordInputs in = page->inputs();
        in.monthlyIncome = 900000;
        in.monthlyDebts = 50000;
        in.downPayment = 4000000;
        in.taxRate = 12500;
        page->setInputs(in);
        ASSERT_TRUE(page->answer().affordable);
    }

    AffordPage *page = nullptr;
};

TEST_F(AffordFromTheCalculator, UseThisPriceRunsOnePassWithThePriceAndDownPayment)
{
    enterBuyer();
    const core::ValueRecord before = window->values();
    QPushButton *use = nullptr;
    for (QPushButton *button : page->findChildren<QPushButton *>())
        if (button->text() == u"&Use this price")
            use = button;
    ASSERT_NE(use, nullptr);
    const int passes = passesDuring([use] {
        QTest::mouseClick(use, Qt::LeftButton);
    });
    EXPECT_EQ(passes, 1);
    const core::ValueRecord &after = window->values();
    EXPECT_EQ(core::toCents(after.FSalesPrice), page->answer().price);
    EXPECT_EQ(after.FDownPayment, 40000);
    EXPECT_EQ(core::toCents(after.FActualLoan), page->answer().loan);
    EXPECT_EQ(after.FInterestRate, before.FInterestRate);
    EXPECT_EQ(after.FTerm, before.FTerm);
    EXPECT_EQ(after.FAnnualTaxes, before.FAnnualTaxes);
    EXPECT_EQ(after.FAnnualInsurance, before.FAnnualInsurance);
}

TEST_F(AffordFromTheCalculator, IsAPageOfTheCompanionEachEntryBringingItsOwnToTheFront)
{
    auto *companion = window->findChild<shell::ScheduleWindow *>();
    ASSERT_NE(companion, nullptr);
    EXPECT_EQ(page->window(), companion);
    window->mnuFileSchedule->trigger();
    EXPECT_FALSE(page->isVisible()) << "the schedule's page in front";
    EXPECT_EQ(companion->windowTitle(), QStringLiteral("Amortization Schedule"));
    EXPECT_EQ(window->findChildren<shell::ScheduleWindow *>().size(), 1);
    window->mnuFileAfford->trigger();
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(companion->windowTitle(), QStringLiteral("What Can I Afford?"))
            << "named after its page";
}

TEST_F(AffordFromTheCalculator, ItsInputsAreKeptInTheirOwnSectionBesideTheSchedules)
{
    enterBuyer();
    window->mnuFileSchedule->trigger();
    const core::AffordInputs entered = page->inputs();
    ASSERT_TRUE(closeWindow());
    EXPECT_TRUE(savedLines().contains("[AffordValues]"));
    EXPECT_TRUE(savedLines().contains("MonthlyIncome=9000"));
    EXPECT_TRUE(savedLines().contains("[ScheduleValues]")) << "both in the one write";
    window.reset();
    start();
    openPage();
    EXPECT_EQ(page->inputs(), entered);
}

} // namespace

} // namespace lw::test
