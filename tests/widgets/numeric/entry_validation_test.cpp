#include <gtest/gtest.h>

#include "support/calculator_field.h"
#include "widgets/numeric/entry_errors.h"
#include "widgets/numeric/entry_host_recorder.h"
#include "widgets/numeric/numeric_entry_field.h"
#include "widgets/numeric/ovcbase.h"
#include "widgets/numeric/ovccmd.h"
#include "widgets/numeric/ovcintl.h"

using namespace Qt::StringLiterals;

namespace lw::numeric {
namespace {

// Two fields of one form; the second stands for the control that receives the focus.
class ValidationTest : public testing::Test
{
protected:
    ValidationTest()
    {
        test::ensureApplication();
        for (NumericEntryField *f : { &field, &next }) {
            lw::test::configureCalculatorField(*f, u"###,###,###.##"_s);
            f->setFloatValue(50);
        }
        field.setRangeLow(0);
        field.setRangeHigh(100);
        host.onTakeFocus = [this] {
            moveFocus(next, field);
        };
        host.events.clear();
    }

    void type(QStringView keys)
    {
        for (const QChar c : keys)
            if (!field.keyDown(0, 0))
                field.characterTyped(c);
    }

    // The form's focus change: the losing field first, then OnExit, then the receiver.
    void moveFocus(NumericEntryField &from, NumericEntryField &to)
    {
        from.focusLost(true, &to);
        log.push_back(u"exit:"_s + QString::number(from.FloatValue()));
        to.focusGained(FocusCause::KeyboardOrProgram);
    }

    TOvcIntlSup intl;
    test::EntryHostRecorder host;
    test::EntryHostRecorder nextHost;
    TOvcController controller;
    NumericEntryField field{ intl, host, &controller };
    NumericEntryField next{ intl, nextHost, &controller };
    std::vector<QString> log;
};

TEST_F(ValidationTest, OutOfRangeExitReadsZeroThenFocusComesBackBeforeTheBox)
{
    field.focusGained(FocusCause::KeyboardOrProgram);
    type(u"150");
    moveFocus(field, next);
    EXPECT_EQ(log, std::vector<QString>{ u"exit:0"_s });
    EXPECT_EQ(field.LastErrorCode(), EntryError::OutOfRange);
    EXPECT_TRUE(host.events.empty()); // nothing happens before the queue runs
    EXPECT_TRUE(controller.ErrorPending());

    test::deliverPosted();
    const std::vector<QString> expected{ u"showField"_s, u"takeFocus"_s,
        u"box:Value is not within required range"_s };
    EXPECT_EQ(host.events, expected);
    EXPECT_TRUE(field.focused());
    EXPECT_FALSE(next.focused());
    EXPECT_EQ(field.paintedText(), u"150"); // the entry as typed
    EXPECT_FALSE(controller.ErrorPending());
    EXPECT_FALSE(field.hasSelection());
    EXPECT_EQ(log.size(), 2u); // the intermediate field left without a check: its own exit
    EXPECT_EQ(next.LastErrorCode(), EntryError::Valid);
}

TEST_F(ValidationTest, SecondFailureWhilePendingPostsNoSecondReport)
{
    field.focusGained(FocusCause::KeyboardOrProgram);
    type(u"150");
    host.onTakeFocus = nullptr;
    EXPECT_EQ(field.Validate(true), EntryError::OutOfRange);
    EXPECT_EQ(field.Validate(true), EntryError::OutOfRange);
    test::deliverPosted();
    const auto boxes = std::count_if(host.events.begin(), host.events.end(), [](const QString &e) {
        return e.startsWith(u"box:");
    });
    EXPECT_EQ(boxes, 1);
}

TEST_F(ValidationTest, SoftValidationLetsTheUserLeaveInTheErrorState)
{
    field.setOptions(TOvcEntryFieldOption::efoSoftValidation);
    field.focusGained(FocusCause::KeyboardOrProgram);
    type(u"150");
    EXPECT_TRUE(field.focusLost(true, &next));
    test::deliverPosted();
    EXPECT_TRUE(host.events.empty());
    EXPECT_TRUE(field.ErrorState());
    field.focusGained(FocusCause::KeyboardOrProgram);
    type(u"15");
    EXPECT_TRUE(field.focusLost(true, &next));
    EXPECT_FALSE(field.ErrorState());
}

TEST_F(ValidationTest, HiddenOrDisabledFieldIsValid)
{
    field.setFloatValue(500);
    host.visibleAndEnabled = false;
    EXPECT_EQ(field.Validate(true), EntryError::Valid);
    test::deliverPosted();
    EXPECT_TRUE(host.events.empty());
}

TEST_F(ValidationTest, OnErrorReplacesTheBoxFieldFirstThenController)
{
    std::vector<QString> seen;
    controller.OnError = [&](NumericEntryField &, quint16 code, const QString &message) {
        seen.push_back(u"controller:"_s + QString::number(code) + u':' + message);
    };
    field.reportError(EntryError::NotANumber);
    field.OnError = [&](NumericEntryField &, quint16 code, const QString &) {
        seen.push_back(u"field:"_s + QString::number(code));
    };
    field.reportError(EntryError::Required);
    field.reportError(EntryError::Valid);
    const std::vector<QString> expected{ u"controller:257:Value is not valid for this field type"_s,
        u"field:258"_s };
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(controller.ErrorText(), u"A value is required in this field");
}

TEST_F(ValidationTest, UserValidationChangesTheCodeAndBlocksValueWrites)
{
    field.OnUserValidation = [](NumericEntryField &sender, quint16 &code) {
        sender.setFloatValue(99); // ignored while the handler runs
        if (code == EntryError::Valid && sender.FloatValue() > 60)
            code = EntryError::FirstUserCode + 1;
    };
    field.setFloatValue(70);
    controller.setErrorText(u"Too much"_s);
    host.onTakeFocus = nullptr;
    EXPECT_EQ(field.Validate(true), EntryError::FirstUserCode + 1);
    EXPECT_DOUBLE_EQ(field.FloatValue(), 0); // reads run the handler too
    test::deliverPosted();
    EXPECT_EQ(host.events.back(), u"box:Too much");
    field.OnUserValidation = nullptr;
    EXPECT_DOUBLE_EQ(field.FloatValue(), 70);
}

TEST_F(ValidationTest, InputRequiredCountsUntouchedUninitializedAsBlank)
{
    field.setOptions(TOvcEntryFieldOption::efoInputRequired);
    field.setUninitialized(true);
    EXPECT_EQ(field.paintedText(), u"");
    EXPECT_EQ(field.Validate(false), EntryError::Required);
    field.setOptions(field.Options() | TOvcEntryFieldOption::efoReadOnly);
    EXPECT_EQ(field.Validate(false), EntryError::Valid);
}

TEST_F(ValidationTest, SpecialReceiverOnlyChecks)
{
    controller.OnIsSpecialControl = [this](NumericEntryField &, QObject *control) {
        return control == &next;
    };
    field.focusGained(FocusCause::KeyboardOrProgram);
    type(u"150");
    EXPECT_FALSE(field.focusLost(true, &next));
    test::deliverPosted();
    EXPECT_TRUE(host.events.empty());
    EXPECT_FALSE(controller.ErrorPending());
}

TEST_F(ValidationTest, RangeTextRefusedWithTheTypesMessageAndRevalidates)
{
    try {
        field.setRangeHi(u"abc");
        FAIL() << "no exception";
    } catch (const EInvalidRangeValue &e) {
        EXPECT_EQ(e.message(), u"Invalid range. Enter a value between (-1.7e+308) and (+1.7e+308)");
    }
    EXPECT_EQ(field.RangeHigh(), 100);
    host.onTakeFocus = nullptr;
    field.setRangeHi(u"40");
    EXPECT_EQ(field.LastErrorCode(), EntryError::OutOfRange);
    EXPECT_EQ(host.events, std::vector<QString>{ u"takeFocus"_s });
}

TEST(Controller, NotificationsForADestroyedFieldAreDropped)
{
    test::ensureApplication();
    TOvcIntlSup intl;
    test::EntryHostRecorder host;
    TOvcController controller;
    int preEdits = 0;
    controller.OnPreEdit = [&](NumericEntryField &) {
        ++preEdits;
    };
    {
        NumericEntryField doomed(intl, host, &controller);
        controller.postPreEdit(doomed);
        controller.postErrorReport(doomed, EntryError::NotANumber);
        controller.postFocusBack(doomed);
        controller.setErrorPending(true);
    }
    test::deliverPosted();
    EXPECT_EQ(preEdits, 0);
    EXPECT_TRUE(host.events.empty());
    EXPECT_FALSE(controller.ErrorPending()); // or no later failure could be reported
}

TEST(Controller, DefaultControllerIsSharedAndStartsWithTheUsualOptions)
{
    test::ensureApplication();
    TOvcIntlSup intl;
    test::EntryHostRecorder host;
    NumericEntryField a(intl, host);
    NumericEntryField b(intl, host);
    EXPECT_EQ(&a.Controller(), &b.Controller());
    EXPECT_EQ(a.Controller().EntryOptions(),
            TOvcBaseEFOption::efoAutoSelect | TOvcBaseEFOption::efoBeepOnError
                    | TOvcBaseEFOption::efoInsertPushes);
    EXPECT_TRUE(a.Controller().InsertMode());
}

} // namespace
} // namespace lw::numeric
