#include "core/app_texts.h"
#include "shell/main_fixture.h"

using namespace lw::test;

TEST_F(MainWindowTest, ExitFromEachSourceSavesAndClosesTheWindow)
{
    const std::pair<const char *, std::function<void()>> sources[] = {
        { "button",
                [&] {
                    QTest::mouseClick(window->btnExit, Qt::LeftButton);
                } },
        { "File menu",
                [&] {
                    window->mnuFileExit->trigger();
                } },
        { "context menu",
                [&] {
                    window->mnuPopExit->trigger();
                } },
    };
    haveSettings();
    for (const auto &[name, exit] : sources) {
        start();
        window->edtDownPayment->setFloatValue(25000);
        window->edtSalesPrice->setFocus(Qt::OtherFocusReason);
        window->edtDownPayment->setFocus(Qt::OtherFocusReason); // the pass takes the new value
        const int before = files.replacements;
        exit();
        EXPECT_FALSE(window->isVisible()) << name;
        EXPECT_EQ(files.replacements, before + 1) << name;
        EXPECT_TRUE(savedLines().contains("Downpayment=25000")) << name;
    }
}

TEST_F(MainWindowTest, FailedSaveKeepsTheWindowOpenAndTheSecondCloseEndsIt)
{
    haveSettings();
    start();
    files.failReplace = true;
    EXPECT_FALSE(closeWindow());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(feedback.information, QStringList{ lw::core::unidentifiedErrorMessage() });
    EXPECT_TRUE(closeWindow()) << "nobody is trapped in the program";
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(feedback.information.size(), 1) << "the second close does not try again";
}

TEST_F(MainWindowTest, UnidentifiedErrorsFromHandlersAreReportedAndTheProgramGoesOn)
{
    haveSettings();
    start();
    desktop.refusing = true;
    window->Contents1->trigger();
    EXPECT_EQ(feedback.informationCaptions, QStringList{ QStringLiteral("Information") });
    EXPECT_EQ(feedback.information, QStringList{ lw::core::unidentifiedErrorMessage() });
    EXPECT_EQ(window->edtSalesPrice->FloatValue(), 100000) << "nothing else happens";
}

// Readable values the fields can only show as their overflow mark.
TEST_F(MainWindowTest, ValuesTooWideForTheirFieldsAreUsedAndWrittenBackUnchanged)
{
    // The same values, in the program's own number format where the file had another.
    const std::pair<QByteArray, QByteArray> rows[] = { { "SalesPrice=9999999999999", {} },
        { "InterestRate=1000", {} }, { "InterestRate=-100", {} },
        { "AnnualTaxes=1e15", "AnnualTaxes=1E15" } };
    for (const auto &[line, written] : rows) {
        haveSettings(line + '\n');
        start();
        EXPECT_TRUE(closeWindow()) << line.constData();
        EXPECT_TRUE(savedLines().contains(written.isEmpty() ? line : written)) << line.constData();
    }
    haveSettings("InterestRate=1e308\n");
    start();
    EXPECT_EQ(feedback.information, QStringList{ lw::core::mathErrorMessage() })
            << "the start's pass reads the true rate, which no payment survives";
    haveSettings("SalesPrice=9999999999999\n");
    start();
    QTest::keyClick(window->edtSalesPrice, Qt::Key_Tab); // the pass reads every field
    EXPECT_TRUE(feedback.errors.isEmpty());
    EXPECT_TRUE(window->edtDownPayment->hasFocus());
    EXPECT_EQ(window->edtActualLoan->FloatValue(), 9999999979999.0);
    EXPECT_TRUE(closeWindow());
    EXPECT_TRUE(savedLines().contains("SalesPrice=9999999999999"));
}
