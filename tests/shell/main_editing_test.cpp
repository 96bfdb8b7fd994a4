#include "core/app_texts.h"
#include "shell/main_fixture.h"

using namespace lw::test;
using lw::numeric::TOvcNumericField;
using namespace Qt::StringLiterals;

namespace {

class MainEditingTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        haveSettings("Downpayment=30000\nAnnualTaxes=1200\nAnnualInsurance=800\n");
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    /// The rate field's own mask holds no rate below -99.9999, so no typed rate reaches the
    /// arithmetic's limit; a wider mask lets the test take the real road of a field exit.
    void enterRateBelowTheArithmeticsLimit()
    {
        window->edtInterestRate->field().setPictureMask(u"#####.####"_s);
        window->edtInterestRate->setFocus(Qt::OtherFocusReason);
        window->edtInterestRate->setFloatValue(-1300);
        ASSERT_EQ(window->edtInterestRate->FloatValue(), -1300);
    }

    /// The inputs the math-error recovery leaves alone, as the settings file gave them.
    void expectUserInputsKept()
    {
        EXPECT_EQ(window->edtDownPayment->FloatValue(), 30000);
        EXPECT_EQ(window->edtAnnualTaxes->FloatValue(), 1200);
        EXPECT_EQ(window->edtAnnualInsurance->FloatValue(), 800);
    }

    /// Price 100000 and rate 6 over 30 years, and results that belong to them.
    void expectRecovered()
    {
        EXPECT_EQ(feedback.informationCaptions, QStringList{ u"Information"_s });
        EXPECT_EQ(feedback.information, QStringList{ lw::core::mathErrorMessage() });
        EXPECT_EQ(window->edtSalesPrice->FloatValue(), 100000);
        EXPECT_EQ(window->edtInterestRate->FloatValue(), 6);
        EXPECT_TRUE(window->rb30->isChecked());
        EXPECT_TRUE(window->edtSalesPrice->hasFocus());
        expectUserInputsKept();
        EXPECT_EQ(window->edtActualLoan->paintedText(), u"70,000.00"_s);
        EXPECT_EQ(window->edtMonthlyPI->paintedText(), u"419.69"_s);
    }
};

} // namespace

TEST_F(MainEditingTest, OneEditTabsInTypesAndTabsOutWithOnePass)
{
    start();
    window->edtAnnualInsurance->setFocus(Qt::OtherFocusReason);
    press(Qt::Key_Tab);
    ASSERT_TRUE(window->edtSalesPrice->hasFocus());
    EXPECT_TRUE(window->edtSalesPrice->field().hasSelection()) << "the whole text is selected";
    QTest::keyClicks(window->edtSalesPrice, u"260000"_s);
    EXPECT_EQ(passesDuring([&] {
        press(Qt::Key_Tab);
    }),
            1);
    EXPECT_TRUE(window->edtDownPayment->hasFocus());
    EXPECT_EQ(window->edtSalesPrice->paintedText(), u"260,000.00"_s);
    EXPECT_EQ(window->edtActualLoan->paintedText(), u"230,000.00"_s);
    EXPECT_EQ(window->edtMonthlyPI->paintedText(), u"1,378.97"_s);
    EXPECT_EQ(window->edtMonthlyPITI->paintedText(), u"1,545.63"_s);
    EXPECT_EQ(window->lblSummary2->text(),
            u"$266,427.83 in interest, $36,000.00 in taxes and $24,000.00 in"_s);
    EXPECT_EQ(
            window->lblSummary3->text(), u"insurance premiums, for a total cost of $556,427.83"_s);
}

TEST_F(MainEditingTest, AtStartThePriceHasTheFocusAndTypingReplacesIt)
{
    start();
    ASSERT_TRUE(window->edtSalesPrice->hasFocus());
    EXPECT_TRUE(window->edtSalesPrice->field().hasSelection());
    QTest::keyClicks(window->edtSalesPrice, u"250000"_s);
    EXPECT_EQ(window->edtSalesPrice->paintedText(), u"250,000"_s);
}

TEST_F(MainEditingTest, MathErrorFromAFieldExitRestoresPriceRateAndTerm)
{
    haveSettings("Downpayment=30000\nAnnualTaxes=1200\nAnnualInsurance=800\nTerm=15\n");
    start();
    enterRateBelowTheArithmeticsLimit();
    EXPECT_EQ(passesDuring([&] {
        press(Qt::Key_Tab);
    }),
            2)
            << "the failing one and the term's";
    expectRecovered();
}

TEST_F(MainEditingTest, MathErrorWithThirtyYearsCheckedStillLeavesMatchingResults)
{
    start();
    window->edtSalesPrice->setFloatValue(250000); // the failing pass writes its loan
    enterRateBelowTheArithmeticsLimit();
    EXPECT_EQ(passesDuring([&] {
        press(Qt::Key_Tab);
    }),
            2);
    expectRecovered();
}

TEST_F(MainEditingTest, ResetFromEachSourceRestoresTheFactoryValuesAndFocusesThePrice)
{
    start();
    const std::pair<const char *, std::function<void()>> sources[] = {
        { "button",
                [&] {
                    QTest::mouseClick(window->btnReset, Qt::LeftButton);
                } },
        { "File menu",
                [&] {
                    window->mnuFileReset->trigger();
                } },
        { "context menu",
                [&] {
                    window->mnuPopReset->trigger();
                } },
    };
    for (const auto &[name, reset] : sources) {
        window->edtSalesPrice->setFloatValue(1);
        window->edtAnnualTaxes->setFloatValue(2);
        window->rb15->setChecked(true);
        window->edtAnnualInsurance->setFocus(Qt::OtherFocusReason);
        reset();
        EXPECT_EQ(window->edtSalesPrice->FloatValue(), 100000) << name;
        EXPECT_EQ(window->edtDownPayment->FloatValue(), 20000) << name;
        EXPECT_EQ(window->edtAnnualTaxes->FloatValue(), 500) << name;
        EXPECT_TRUE(window->rb30->isChecked()) << name;
        EXPECT_TRUE(window->edtSalesPrice->hasFocus()) << name;
        EXPECT_EQ(window->edtMonthlyPITI->paintedText(), u"562.97"_s) << name;
    }
}

TEST_F(MainEditingTest, TermButtonsRunAPassOnlyWhenTheTermChanges)
{
    start();
    window->rb30->setFocus(Qt::OtherFocusReason); // no field exit comes with the clicks
    EXPECT_EQ(passesDuring([&] {
        QTest::mouseClick(window->rb15, Qt::LeftButton);
    }),
            1);
    EXPECT_EQ(window->edtMonthlyPI->paintedText(), u"590.70"_s);
    EXPECT_EQ(passesDuring([&] {
        QTest::mouseClick(window->rb15, Qt::LeftButton);
    }),
            0);
    EXPECT_EQ(passesDuring([&] {
        press(Qt::Key_Right);
    }),
            1)
            << "the arrow checks 20 years";
    EXPECT_TRUE(window->rb20->isChecked());
    EXPECT_EQ(window->edtMonthlyPI->paintedText(), u"501.50"_s);
}

TEST_F(MainEditingTest, WhatIsTypedIntoAResultFieldIsOverwrittenByTheNextPass)
{
    start();
    QTest::mouseClick(window->edtMonthlyPI, Qt::LeftButton);
    ASSERT_TRUE(window->edtMonthlyPI->hasFocus()) << "a click enters a yellow field";
    QTest::keyClicks(window->edtMonthlyPI, u"9"_s);
    EXPECT_NE(window->edtMonthlyPI->paintedText(), u"419.69"_s);
    QTest::mouseClick(window->edtDownPayment, Qt::LeftButton);
    EXPECT_EQ(window->edtMonthlyPI->paintedText(), u"419.69"_s);
}

TEST_F(MainEditingTest, TabVisitsTheInputsAndWrapsShiftTabGoesBack)
{
    start();
    const QList<QWidget *> stops = { window->edtSalesPrice, window->edtDownPayment,
        window->edtInterestRate, window->rb30, window->edtAnnualTaxes, window->edtAnnualInsurance };
    window->edtSalesPrice->setFocus(Qt::OtherFocusReason);
    for (qsizetype i = 1; i <= stops.size(); ++i) {
        press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), stops[i % stops.size()]) << "stop " << i;
    }
    for (qsizetype i = stops.size() - 1; i >= 0; --i) {
        press(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), stops[i]) << "back to stop " << i;
    }
}

TEST_F(MainEditingTest, TheTermGroupIsOneStopAtItsCheckedButton)
{
    start();
    QTest::mouseClick(window->rb15, Qt::LeftButton);
    window->edtInterestRate->setFocus(Qt::OtherFocusReason);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->rb15);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->edtAnnualTaxes);
}

TEST_F(MainEditingTest, FOneOpensTheHelpContentsFromAField)
{
    start();
    window->edtDownPayment->setFocus(Qt::OtherFocusReason);
    press(Qt::Key_F1);
    EXPECT_EQ(desktop.opened, QStringList{ helpPath(u"index.html"_s) });
    QTest::mouseClick(window->btnHelp, Qt::LeftButton);
    EXPECT_EQ(desktop.opened.size(), 2);
}
