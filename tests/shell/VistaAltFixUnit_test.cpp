#include "shell/VistaAltFixUnit.h"

#include <memory>

#include <QDialog>
#include <QTest>

#include <gtest/gtest.h>

#include "support/row_printers.h"
#include "support/shell_doubles.h"

using lw::platform::UiStateUpdateMessage;
using lw::shell::TVistaAltFix;
using namespace lw::test;

namespace {

class PaintCounter final : public QWidget
{
public:
    using QWidget::QWidget;

    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override { ++paints; }
};

struct InactiveRow
{
    const char *name;
    int majorVersion;
    bool visualStyles;
};

LW_PRINT_ROW_NAME(InactiveRow)

class InactiveFixTest : public ::testing::TestWithParam<InactiveRow>
{
};

TEST_P(InactiveFixTest, HooksNothingAndNeverScans)
{
    RecordingWindowChrome chrome;
    chrome.majorVersion = GetParam().majorVersion;
    chrome.visualStyles = GetParam().visualStyles;
    RecordingWindowMessages messages;
    RecordingApplicationHooks application;
    const TVistaAltFix fix(nullptr, { chrome, messages, application });
    EXPECT_FALSE(fix.isActive());
    EXPECT_FALSE(application.idle) << "no idle subscription, so no record ever";
    EXPECT_EQ(messages.hookedWindows(), 0U);
}

INSTANTIATE_TEST_SUITE_P(VistaAltFix, InactiveFixTest,
        ::testing::Values(InactiveRow{ "NoVersion", 0, true },
                InactiveRow{ "Version5WithStyles", 5, true },
                InactiveRow{ "Version6WithoutStyles", 6, false }),
        RowName());

/// An active fix over a shown main form with one child.
class VistaAltFixTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        mainForm.resize(200, 100);
        child.setGeometry(10, 10, 50, 20);
        mainForm.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainForm));
        ASSERT_TRUE(fix->isActive());
        application.idle(); // the first idle after start-up finds the main form
        ASSERT_NE(mainRecord(), nullptr);
    }

    lw::shell::TFormObj *mainRecord() const { return fix->recordOf(mainForm); }

    /// Lets pending paints happen, then counts from zero.
    void settlePaints()
    {
        QCoreApplication::processEvents();
        mainForm.paints = 0;
        child.paints = 0;
    }

    static void showAndWait(QWidget &form)
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    RecordingWindowChrome chrome; // version 6 with visual styles
    RecordingWindowMessages messages;
    RecordingApplicationHooks application;
    PaintCounter mainForm;
    PaintCounter child{ &mainForm };
    std::unique_ptr<TVistaAltFix> fix = std::make_unique<TVistaAltFix>(
            nullptr, TVistaAltFix::Services{ chrome, messages, application });
};

TEST_F(VistaAltFixTest, TheRecordIsFirstInTheFormsChainAndPassesEveryMessageOn)
{
    EXPECT_EQ(messages.handler(mainForm), mainRecord());
    messages.deliver(mainForm, UiStateUpdateMessage);
    messages.deliver(mainForm, 0x0F);
    EXPECT_EQ(messages.ownHandling.received, (QList<std::uint32_t>{ UiStateUpdateMessage, 0x0F }));
}

struct CueRow
{
    const char *name;
    QList<std::uint32_t> messages;
    int repaints;
};

LW_PRINT_ROW_NAME(CueRow)

class CueRepaintTest : public VistaAltFixTest, public ::testing::WithParamInterface<CueRow>
{
};

TEST_P(CueRepaintTest, TheNextIdleRepaintsTheWholeFormOncePerCueChange)
{
    settlePaints();
    for (const std::uint32_t message : GetParam().messages)
        messages.deliver(mainForm, message);
    EXPECT_EQ(mainForm.paints, 0) << "the message itself repaints nothing";
    application.idle();
    EXPECT_EQ(mainForm.paints, GetParam().repaints);
    EXPECT_EQ(child.paints, GetParam().repaints) << "the children are redrawn with the form";
}

INSTANTIATE_TEST_SUITE_P(VistaAltFix, CueRepaintTest,
        ::testing::Values(CueRow{ "OneCueMessage", { UiStateUpdateMessage }, 1 },
                CueRow{ "ThreeCueMessages",
                        { UiStateUpdateMessage, UiStateUpdateMessage, UiStateUpdateMessage }, 1 },
                CueRow{ "OtherMessagesOnly", { 0x0F, 0x20, 0x127 }, 0 }),
        RowName());

TEST_F(VistaAltFixTest, ARepaintClearsTheCueChangeSoTheIdleAfterRepaintsNothing)
{
    messages.deliver(mainForm, UiStateUpdateMessage);
    application.idle();
    EXPECT_FALSE(mainRecord()->CuesChanged);
    settlePaints();
    application.idle();
    EXPECT_EQ(mainForm.paints, 0);
}

TEST_F(VistaAltFixTest, ADialogIsWatchedWhileItIsOpenAndForgottenAtTheIdleAfterItIsGone)
{
    lw::shell::TFormObj *const mainBefore = mainRecord();
    const std::size_t recordsBefore = fix->forms().size();
    auto dialog = std::make_unique<QDialog>();
    showAndWait(*dialog);
    application.idle();
    ASSERT_NE(fix->recordOf(*dialog), nullptr);
    EXPECT_EQ(fix->forms().size(), recordsBefore + 1);

    dialog.reset();
    application.idle();
    EXPECT_EQ(fix->forms().size(), recordsBefore);
    EXPECT_EQ(mainRecord(), mainBefore) << "the main form keeps its record";
}

TEST_F(VistaAltFixTest, AFormThatIsNoLongerAWindowGetsItsHandlerBackWhenItsRecordGoes)
{
    QDialog dialog;
    showAndWait(dialog);
    application.idle();
    ASSERT_NE(fix->recordOf(dialog), nullptr);
    dialog.setWindowFlags(Qt::ToolTip); // alive, but no form of the application now
    application.idle();
    EXPECT_EQ(fix->recordOf(dialog), nullptr);
    EXPECT_EQ(messages.handler(dialog), &messages.ownHandling);
}

TEST_F(VistaAltFixTest, ReleasingTheFixPutsBackTheHandlerOfEveryLivingForm)
{
    MessageLog earlierHook;
    QDialog dialog;
    messages.setHandler(dialog, &earlierHook);
    showAndWait(dialog);
    application.idle();
    ASSERT_NE(fix->recordOf(dialog), nullptr);

    fix.reset();
    EXPECT_FALSE(application.idle);
    EXPECT_EQ(messages.handler(mainForm), &messages.ownHandling);
    messages.deliver(dialog, UiStateUpdateMessage);
    EXPECT_EQ(earlierHook.received, QList<std::uint32_t>{ UiStateUpdateMessage });
}

} // namespace
