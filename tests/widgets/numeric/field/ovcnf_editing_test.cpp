#include <QAction>
#include <QSignalSpy>

#include "field_fixture.h"
#include "support/row_printers.h"

using lw::test::FieldForm;
using namespace Qt::StringLiterals;

namespace {

using EditingTest = FieldForm;

} // namespace

TEST_F(EditingTest, TypingOverTheSelectedValueShowsTheDigitsThenTheMaskAfterTab)
{
    tabIntoPrice();
    EXPECT_TRUE(price->field().hasSelection());
    QSignalSpy exits(price, &lw::numeric::TOvcNumericField::OnExit);
    QTest::keyClicks(price, QStringLiteral("250000"));
    EXPECT_EQ(price->paintedText(), QStringLiteral("250,000"));
    QTest::keyClick(price, Qt::Key_Tab);
    EXPECT_EQ(price->paintedText(), QStringLiteral("250,000.00"));
    EXPECT_EQ(price->FloatValue(), 250000.0);
    EXPECT_EQ(exits.count(), 1);
    EXPECT_EQ(feedback.beeps, 0);
}

TEST_F(EditingTest, ClickedFieldKeepsItsTextAndBackspaceRemovesFromTheRight)
{
    price->setFloatValue(20000);
    QTest::mouseClick(price, Qt::LeftButton, {}, QPoint(60, 11));
    ASSERT_TRUE(price->hasFocus());
    EXPECT_FALSE(price->field().hasSelection());
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(price, Qt::Key_Backspace);
    EXPECT_EQ(price->paintedText(), QStringLiteral("20,000"));
    QTest::keyClicks(price, QStringLiteral(".5"));
    EXPECT_EQ(price->paintedText(), QStringLiteral("20,000.5"));
    QTest::keyClick(price, Qt::Key_Tab);
    EXPECT_EQ(price->paintedText(), QStringLiteral("20,000.50"));
}

TEST_F(EditingTest, CapacityRefusalsBeepOncePerKey)
{
    tabIntoPrice();
    QTest::keyClicks(price, QStringLiteral("1234567890"));
    EXPECT_EQ(price->paintedText(), QStringLiteral("123,456,789"));
    EXPECT_EQ(feedback.beeps, 1);
    QTest::keyClick(price, Qt::Key_Minus);
    EXPECT_EQ(feedback.beeps, 2);

    rate->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(rate, QStringLiteral("1234"));
    EXPECT_EQ(rate->paintedText(), QStringLiteral("123"));
    EXPECT_EQ(feedback.beeps, 3);
}

TEST_F(EditingTest, RateTypedWithDecimalsIsPaddedToTheMaskOnExit)
{
    rate->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(rate, QStringLiteral("7.25"));
    EXPECT_EQ(rate->paintedText(), QStringLiteral("7.25"));
    QTest::keyClick(rate, Qt::Key_Tab);
    EXPECT_EQ(rate->paintedText(), QStringLiteral("7.2500"));
}

TEST_F(EditingTest, KeysThatAreNoNumberBeepAndChangeNothing)
{
    tabIntoPrice();
    QTest::keyClicks(price, QStringLiteral("1.5"));
    const QString shown = price->paintedText();
    QTest::keyClick(price, Qt::Key_Period);
    QTest::keyClick(price, Qt::Key_Space);
    QTest::keyClick(price, Qt::Key_A);
    QTest::keyClick(price, Qt::Key_Return);
    QTest::keyClick(price, Qt::Key_Escape);
    EXPECT_EQ(price->paintedText(), shown);
    EXPECT_EQ(feedback.beeps, 5);
}

namespace {

struct DecimalKeyCase
{
    const char *name;
    QString decimalSeparator;
    QString thousandSeparator;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString typed;
    double value;
    int beeps;
};

LW_PRINT_ROW_NAME(DecimalKeyCase)

// The form's fields in the row's locale.
class DecimalKeyTest : public FieldForm, public ::testing::WithParamInterface<DecimalKeyCase>
{
protected:
    void SetUp() override
    {
        lw::platform::LocaleInfo locale;
        locale.decimalSeparator = GetParam().decimalSeparator;
        locale.thousandSeparator = GetParam().thousandSeparator;
        intl = lw::numeric::TOvcIntlSup(locale);
        FieldForm::SetUp();
    }
};

} // namespace

TEST_P(DecimalKeyTest, TheKeypadTypesTheLocalesSeparatorAndTheMainKeyboardItsOwnCharacter)
{
    const DecimalKeyCase &row = GetParam();
    rate->setFocus(Qt::TabFocusReason);
    QTest::keyClick(rate, Qt::Key_6);
    QTest::keyClick(rate, row.key, row.modifiers);
    QTest::keyClick(rate, Qt::Key_5);
    EXPECT_EQ(rate->paintedText(), row.typed);
    EXPECT_EQ(feedback.beeps, row.beeps);
    QTest::keyClick(rate, Qt::Key_Tab);
    EXPECT_EQ(rate->FloatValue(), row.value);
}

INSTANTIATE_TEST_SUITE_P(Locales, DecimalKeyTest,
        ::testing::Values(DecimalKeyCase{ "GermanKeypadReportingAPeriod", u","_s, u"."_s,
                                  Qt::Key_Period, Qt::KeypadModifier, u"6,5"_s, 6.5, 0 },
                DecimalKeyCase{ "GermanKeypadReportingAComma", u","_s, u"."_s, Qt::Key_Comma,
                        Qt::KeypadModifier, u"6,5"_s, 6.5, 0 },
                DecimalKeyCase{ "GermanMainKeyboardPeriodIsRefused", u","_s, u"."_s, Qt::Key_Period,
                        Qt::NoModifier, u"65"_s, 65, 1 },
                DecimalKeyCase{ "UsKeypadReportingAComma", u"."_s, u","_s, Qt::Key_Comma,
                        Qt::KeypadModifier, u"6.5"_s, 6.5, 0 }),
        lw::test::RowName());

TEST_F(EditingTest, MovementKeysChangeNothingAndExtendKeysSelectEverything)
{
    tabIntoPrice();
    QTest::keyClicks(price, QStringLiteral("42"));
    for (const Qt::Key key :
            { Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End })
        QTest::keyClick(price, key);
    EXPECT_EQ(price->paintedText(), QStringLiteral("42"));
    EXPECT_FALSE(price->field().hasSelection());
    QTest::keyClick(price, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_TRUE(price->field().hasSelection());
    QTest::keyClick(price, Qt::Key_7);
    EXPECT_EQ(price->paintedText(), QStringLiteral("7"));
    EXPECT_EQ(feedback.beeps, 0);
}

TEST_F(EditingTest, SignTogglesAndZeroAloneIsNotStored)
{
    tabIntoPrice();
    QTest::keyClick(price, Qt::Key_0);
    EXPECT_EQ(price->paintedText(), QStringLiteral("0"));
    QTest::keyClick(price, Qt::Key_Minus);
    EXPECT_EQ(price->paintedText(), QStringLiteral("-0"));
    QTest::keyClick(price, Qt::Key_5);
    EXPECT_EQ(price->paintedText(), QStringLiteral("-5"));
    QTest::keyClick(price, Qt::Key_Minus);
    EXPECT_EQ(price->paintedText(), QStringLiteral("5"));
}

TEST_F(EditingTest, PasteTakesTheNumberAndSkipsSeparatorsSilently)
{
    tabIntoPrice();
    clipboard.content = QStringLiteral("1,234.56");
    QTest::keyClick(price, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(price->paintedText(), QStringLiteral("1,234.56"));
    clipboard.content = QStringLiteral("abc");
    QTest::keyClick(price, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(price->paintedText(), QStringLiteral("1,234.56"));
    EXPECT_EQ(feedback.beeps, 0);
    QTest::keyClick(price, Qt::Key_Tab);
    EXPECT_EQ(price->FloatValue(), 1234.56);
}

TEST_F(EditingTest, RefusedKeysAndEmptyPastesOverTheSelectionKeepTheValue)
{
    tabIntoPrice();
    QTest::keyClick(price, Qt::Key_Space);
    QTest::keyClick(price, Qt::Key_A);
    clipboard.content = QStringLiteral("abc");
    QTest::keyClick(price, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(price->paintedText(), QStringLiteral("100,000.00"));
    EXPECT_TRUE(price->field().hasSelection());
    EXPECT_EQ(feedback.beeps, 2) << "the keys beep, the paste does not";
    QTest::keyClick(price, Qt::Key_Tab);
    EXPECT_EQ(price->FloatValue(), 100000.0);
}

TEST_F(EditingTest, CopyPutsThePaintedSelectionOnTheClipboardAndUndoRestores)
{
    tabIntoPrice();
    QTest::keyClick(price, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard.content, QStringLiteral("100,000.00"));
    QTest::keyClicks(price, QStringLiteral("9"));
    EXPECT_TRUE(price->field().Modified());
    QTest::keyClick(price, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(price->paintedText(), QStringLiteral("100,000.00"));
    EXPECT_FALSE(price->field().Modified());
}

TEST_F(EditingTest, AFailingClipboardLeavesTheFieldAsItWas)
{
    tabIntoPrice();
    clipboard.failing = true;
    QTest::keyClick(price, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(price->paintedText(), QStringLiteral("100,000.00"));
    EXPECT_TRUE(price->field().hasSelection());
}

TEST_F(EditingTest, ChangesAreSignalled)
{
    tabIntoPrice();
    QSignalSpy changes(price, &lw::numeric::TOvcNumericField::OnChange);
    QTest::keyClicks(price, QStringLiteral("12"));
    QTest::keyClick(price, Qt::Key_Q); // refused
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(EditingTest, WindowShortcutsDoNotTakeTheFieldsKeysButKeepTheirOwn)
{
    int stolen = 0;
    int help = 0;
    QAction copyAction(&form);
    copyAction.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    QObject::connect(&copyAction, &QAction::triggered, [&] {
        ++stolen;
    });
    QAction helpAction(&form);
    helpAction.setShortcut(QKeySequence(Qt::Key_F1));
    QObject::connect(&helpAction, &QAction::triggered, [&] {
        ++help;
    });
    form.addAction(&copyAction);
    form.addAction(&helpAction);

    tabIntoPrice();
    QTest::keyClick(price, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(price, Qt::Key_F1);
    EXPECT_EQ(stolen, 0);
    EXPECT_EQ(clipboard.content, QStringLiteral("100,000.00"));
    EXPECT_EQ(help, 1);
}

namespace {

// Values too wide for their masks: the fields show the overflow mark.
class OverflowTest : public FieldForm
{
protected:
    void SetUp() override
    {
        FieldForm::SetUp();
        price->setFloatValue(1e12);
        rate->setFloatValue(1000);
    }

    static QString mark(const QString &mask)
    {
        QString text = mask;
        return text.replace(u'#', u'*');
    }
};

} // namespace

TEST_F(OverflowTest, AFieldLeftWithoutAnEditKeepsItsTrueValueWithoutComplaint)
{
    QSignalSpy exits(price, &lw::numeric::TOvcNumericField::OnExit);
    QTest::mouseClick(price, Qt::LeftButton);
    QTest::mouseClick(rate, Qt::LeftButton);
    QTest::mouseClick(price, Qt::LeftButton);
    QTest::keyClick(price, Qt::Key_Tab);
    EXPECT_TRUE(feedback.errors.isEmpty());
    EXPECT_TRUE(rate->hasFocus());
    EXPECT_EQ(exits.count(), 2);
    EXPECT_EQ(price->paintedText(), mark(QStringLiteral("###,###,###.##")));
    EXPECT_EQ(price->FloatValue(), 1e12);
    EXPECT_EQ(rate->FloatValue(), 1000);
}

TEST_F(OverflowTest, TheFirstKeyStartsAFreshEntryAndUndoBringsTheValueBack)
{
    QTest::mouseClick(price, Qt::LeftButton);
    QTest::keyClicks(price, QStringLiteral("250000"));
    EXPECT_EQ(price->paintedText(), QStringLiteral("250,000"));
    QTest::keyClick(price, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(price->paintedText(), mark(QStringLiteral("###,###,###.##")));
    EXPECT_EQ(price->FloatValue(), 1e12);

    QTest::mouseClick(rate, Qt::LeftButton);
    QTest::keyClick(rate, Qt::Key_6);
    QTest::keyClick(rate, Qt::Key_Tab);
    EXPECT_EQ(rate->paintedText(), QStringLiteral("6.0000"));
}
