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

namespace {

struct SecondClose
{
    const char *name;
    bool causeGone; // the save can succeed again by the second close
};

void PrintTo(const SecondClose &row, std::ostream *os)
{
    *os << row.name;
}

class MainSecondCloseTest : public MainWindowTest, public testing::WithParamInterface<SecondClose>
{
};

} // namespace

TEST_P(MainSecondCloseTest, FailedSaveKeepsTheWindowOpenAndTheNextCloseTriesAgainThenEndsIt)
{
    haveSettings();
    start();
    window->edtDownPayment->setFloatValue(25000);
    window->edtSalesPrice->setFocus(Qt::OtherFocusReason);
    window->edtDownPayment->setFocus(Qt::OtherFocusReason); // the pass takes the new value
    files.failReplace = true;
    EXPECT_FALSE(closeWindow());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(feedback.information, QStringList{ lw::core::unidentifiedErrorMessage() });
    files.failReplace = !GetParam().causeGone;
    EXPECT_TRUE(closeWindow()) << "nobody is trapped in the program";
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(feedback.information.size(), 1) << "the user was told once";
    EXPECT_EQ(files.replacements, GetParam().causeGone ? 1 : 0);
    if (GetParam().causeGone) {
        EXPECT_TRUE(savedLines().contains("Downpayment=25000"));
    }
}

INSTANTIATE_TEST_SUITE_P(Cause, MainSecondCloseTest,
        testing::Values(SecondClose{ "Gone", true }, SecondClose{ "StillThere", false }),
        [](const testing::TestParamInfo<SecondClose> &row) {
            return std::string(row.param.name);
        });

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
    // The same values, spelt as the file had them: the window did not change them.
    const QByteArray rows[] = { "SalesPrice=9999999999999", "InterestRate=1000",
        "InterestRate=-100", "AnnualTaxes=1e15" };
    for (const QByteArray &line : rows) {
        haveSettings(line + '\n');
        start();
        EXPECT_TRUE(closeWindow()) << line.constData();
        EXPECT_TRUE(savedLines().contains(line)) << line.constData();
    }
    // Values no payment survives, one beyond the fields' range of +-1.7e308: the start's pass
    // reads each as it is, and the math error's recovery writes the factory price.
    for (const QByteArray line : { "InterestRate=1e308", "SalesPrice=1.7976931348623157e308" }) {
        feedback.information.clear();
        haveSettings(line + '\n');
        start();
        EXPECT_EQ(feedback.information, QStringList{ lw::core::mathErrorMessage() })
                << line.constData();
        EXPECT_TRUE(closeWindow()) << line.constData();
        EXPECT_TRUE(savedLines().contains("SalesPrice=100000")) << line.constData();
    }
    EXPECT_TRUE(feedback.errors.isEmpty());
    haveSettings("SalesPrice=9999999999999\n");
    start();
    QTest::keyClick(window->edtSalesPrice, Qt::Key_Tab); // the pass reads every field
    EXPECT_TRUE(feedback.errors.isEmpty());
    EXPECT_TRUE(window->edtDownPayment->hasFocus());
    EXPECT_EQ(window->edtActualLoan->FloatValue(), 9999999979999.0);
    EXPECT_TRUE(closeWindow());
    EXPECT_TRUE(savedLines().contains("SalesPrice=9999999999999"));
}

namespace {

struct SessionEnd
{
    const char *name;
    bool saveFails;
};

void PrintTo(const SessionEnd &row, std::ostream *os)
{
    *os << row.name;
}

class MainSessionEndTest : public MainWindowTest, public testing::WithParamInterface<SessionEnd>
{
};

} // namespace

TEST_P(MainSessionEndTest, SavesAsACloseWouldWithoutAskingAnything)
{
    haveSettings("; kept\n");
    start();
    window->edtDownPayment->setFloatValue(25000);
    window->edtSalesPrice->setFocus(Qt::OtherFocusReason);
    window->edtDownPayment->setFocus(Qt::OtherFocusReason);
    files.failReplace = GetParam().saveFails;
    ASSERT_TRUE(application.sessionEnd) << "the window takes part in the session's end";
    EXPECT_EQ(application.sessionEnd(), !GetParam().saveFails);
    EXPECT_TRUE(feedback.information.isEmpty()) << "nobody may be there to answer";
    EXPECT_TRUE(feedback.errors.isEmpty());
    EXPECT_EQ(files.replacements, GetParam().saveFails ? 0 : 1);
    if (!GetParam().saveFails) {
        EXPECT_TRUE(savedLines().contains("Downpayment=25000"));
        EXPECT_TRUE(savedLines().contains("; kept"));
    }
}

INSTANTIATE_TEST_SUITE_P(Save, MainSessionEndTest,
        testing::Values(SessionEnd{ "Succeeds", false }, SessionEnd{ "Fails", true }),
        [](const testing::TestParamInfo<SessionEnd> &row) {
            return std::string(row.param.name);
        });
