#include "widgets/numeric/numeric_entry.h"

#include <gtest/gtest.h>

#include "platform/locale_info.h"
#include "support/row_printers.h"
#include "widgets/numeric/numeric_field_model.h"
#include "widgets/numeric/ovccmd.h"
#include "widgets/numeric/ovcintl.h"

using namespace Qt::StringLiterals;

namespace lw::numeric {
namespace {

const QString money = u"###,###,###.##"_s;
const QString rate = u"###.####"_s;

const EntryContext defaults{ {},
    TOvcBaseEFOption::efoAutoSelect | TOvcBaseEFOption::efoBeepOnError
            | TOvcBaseEFOption::efoInsertPushes };

lw::platform::LocaleInfo commaDecimal()
{
    lw::platform::LocaleInfo info;
    info.decimalSeparator = u","_s;
    info.thousandSeparator = u"."_s;
    return info;
}

struct Entry
{
    explicit Entry(const QString &mask, const TOvcIntlSup &locale = TOvcIntlSup())
        : intl(locale)
        , field(intl)
        , entry(field)
    {
        field.setDataType(TNumericDataType::nftDouble);
        field.setPictureMask(mask);
        // Start as after the whole text was selected and deleted: an empty buffer.
        entry.process(ccDelLine, defaults);
    }

    // Returns the number of refused characters.
    int type(QStringView keys, const EntryContext &context = defaults)
    {
        int refused = 0;
        for (const QChar c : keys)
            refused += entry.process(ccTypedChar, context, c).refused ? 1 : 0;
        return refused;
    }

    QString shown() const { return field.DisplayText().trimmed(); }

    TOvcIntlSup intl;
    NumericFieldModel field;
    NumericEntry entry;
};

struct TypingCase
{
    const char *name;
    QString mask;
    QString keys;
    QString shown;
    int refused;
};

LW_PRINT_ROW_NAME(TypingCase)

class Typing : public testing::TestWithParam<TypingCase>
{
};

TEST_P(Typing, AcceptsAndShowsAsTyped)
{
    const TypingCase &row = GetParam();
    Entry e(row.mask);
    EXPECT_EQ(e.type(row.keys), row.refused);
    EXPECT_EQ(e.shown(), row.shown);
    EXPECT_LE(e.entry.EntryDigits().size() + (e.entry.EntryNegative() ? 1 : 0),
            e.field.EntryCapacity());
}

INSTANTIATE_TEST_SUITE_P(Rules, Typing,
        testing::Values(TypingCase{ "Digits", money, u"1234"_s, u"1,234"_s, 0 },
                TypingCase{ "Point", money, u"1234."_s, u"1,234."_s, 0 },
                TypingCase{ "Decimal", money, u"1234.5"_s, u"1,234.5"_s, 0 },
                TypingCase{ "TenthIntegerDigit", money, u"1234567890"_s, u"123,456,789"_s, 1 },
                TypingCase{ "SignAfterNineDigits", money, u"123456789-"_s, u"123,456,789"_s, 1 },
                TypingCase{ "NinthDigitWhenNegative", money, u"-123456789"_s, u"-12,345,678"_s, 1 },
                TypingCase{ "RateFourthIntegerDigit", rate, u"1234"_s, u"123"_s, 1 },
                TypingCase{ "RateDecimals", rate, u"7.25"_s, u"7.25"_s, 0 },
                TypingCase{ "SecondPoint", money, u"1.2.3"_s, u"1.23"_s, 1 },
                TypingCase{ "Blank", money, u"1 2"_s, u"12"_s, 1 },
                TypingCase{ "Letter", money, u"1a"_s, u"1"_s, 1 },
                TypingCase{ "EnterAndEscape", money, u"1\r\x1b"_s, u"1"_s, 2 },
                TypingCase{ "ZeroIntoEmpty", money, u"0"_s, u"0"_s, 0 },
                TypingCase{ "ZeroThenFive", money, u"05"_s, u"5"_s, 0 },
                TypingCase{ "MinusTwice", money, u"--"_s, u"0"_s, 0 },
                TypingCase{ "MinusAlone", money, u"-"_s, u"-0"_s, 0 },
                TypingCase{ "MinusThenFive", money, u"-5"_s, u"-5"_s, 0 },
                TypingCase{ "LeadingPoint", money, u".5"_s, u"0.5"_s, 0 },
                TypingCase{ "MinusPoint", money, u"-.5"_s, u"-0.5"_s, 0 },
                TypingCase{ "RateMoreDecimals", rate, u"1.23456"_s, u"1.23456"_s, 0 },
                TypingCase{
                        "DecimalsUpToCapacity", money, u"1.234567890123"_s, u"1.2345678901"_s, 2 },
                TypingCase{ "RateNegativeTwoDigits", rate, u"-123"_s, u"-12"_s, 1 },
                // The extra decimals push out the zero shown before the point, never the sign.
                TypingCase{
                        "RateNegativeFractionToCapacity", rate, u"-.432838"_s, u"-.432838"_s, 0 }),
        [](const testing::TestParamInfo<TypingCase> &row) {
            return row.param.name;
        });

TEST(NumericEntry, CommaLocaleTakesItsOwnSeparatorAndRefusesThePoint)
{
    const TOvcIntlSup intl(commaDecimal());
    Entry e(money, intl);
    EXPECT_EQ(e.type(u"1234,5"), 0);
    EXPECT_EQ(e.shown(), u"1.234,5");
    EXPECT_EQ(e.type(u"."), 1);
    EXPECT_DOUBLE_EQ(e.field.FloatValue(), 1234.5);
}

TEST(NumericEntry, OneCharacterFieldReplacesItsCharacter)
{
    Entry e(u"#"_s);
    EXPECT_EQ(e.type(u"37"), 0);
    EXPECT_EQ(e.entry.EntryDigits(), u"7");
    e.entry.process(ccBack, defaults);
    EXPECT_EQ(e.type(u"-4"), 0);
    EXPECT_FALSE(e.entry.EntryNegative());
    EXPECT_DOUBLE_EQ(e.field.FloatValue(), 4);
}

TEST(NumericEntry, EditingTextReadsBackAsTheTypedValue)
{
    Entry e(money);
    e.type(u"-1234.5");
    EXPECT_DOUBLE_EQ(e.field.FloatValue(), -1234.5);
    Entry r(rate);
    r.type(u"1.23456");
    EXPECT_DOUBLE_EQ(r.field.FloatValue(), 1.23456);
}

TEST(NumericEntry, LoadStripsThePictureAndTreatsZeroAsEmpty)
{
    Entry e(money);
    e.field.setFloatValue(-1234.5);
    e.entry.load();
    EXPECT_EQ(e.entry.EntryDigits(), u"1234.50");
    EXPECT_TRUE(e.entry.EntryNegative());
    e.field.setFloatValue(0);
    e.entry.load();
    EXPECT_EQ(e.entry.EntryDigits(), u".00");
    Entry r(rate);
    r.type(u".1234567"); // the display shows a zero before the point that was not typed
    r.entry.load();
    EXPECT_EQ(r.entry.EntryDigits(), u".1234567");
}

TEST(NumericEntry, BackRemovesLastCharacterThenSignAndNeverBeeps)
{
    Entry e(money);
    e.field.setFloatValue(20000);
    e.entry.load();
    for (int i = 0; i < 3; ++i)
        e.entry.process(ccBack, defaults);
    EXPECT_EQ(e.shown(), u"20,000");
    e.type(u".5");
    EXPECT_EQ(e.shown(), u"20,000.5");

    Entry n(money);
    n.type(u"-0.");
    n.entry.process(ccBack, defaults); // "0." less its point leaves no lone zero
    EXPECT_EQ(n.entry.EntryDigits(), u"");
    n.entry.process(ccDel, defaults);
    EXPECT_FALSE(n.entry.EntryNegative());
    const EntryResult nothing = n.entry.process(ccBack, defaults);
    EXPECT_FALSE(nothing.refused);
    EXPECT_FALSE(nothing.textChanged);
}

TEST(NumericEntry, SelectionIsWholeTextAndPrintableKeyReplacesIt)
{
    Entry e(money);
    e.field.setFloatValue(100000);
    e.entry.load();
    for (const quint16 command : { ccExtendLeft, ccExtendEnd, ccExtWordRight, ccDoubleClick }) {
        e.entry.clearSelection();
        e.entry.process(command, defaults);
        EXPECT_TRUE(e.entry.hasSelection()) << command;
        EXPECT_EQ(e.entry.SelStart(), 0);
        EXPECT_EQ(e.entry.SelEnd(), NumericEntry::MaxSelection);
    }
    e.type(u"25");
    EXPECT_EQ(e.shown(), u"25");
    EXPECT_FALSE(e.entry.hasSelection());
}

TEST(NumericEntry, ClearingCommands)
{
    Entry e(money);
    e.type(u"123");
    e.entry.process(ccCut, defaults); // no selection: nothing
    e.entry.process(ccDelWord, defaults);
    EXPECT_EQ(e.shown(), u"123");
    e.entry.selectAll();
    e.entry.process(ccCut, defaults);
    EXPECT_EQ(e.shown(), u"0");
    e.type(u"45");
    e.entry.process(ccDelLine, defaults);
    EXPECT_EQ(e.shown(), u"0");
}

TEST(NumericEntry, MovementChangesNothingWithoutOptions)
{
    Entry e(money);
    e.type(u"12.5");
    e.entry.selectAll();
    for (const quint16 command : { ccUp, ccDown, ccLeft, ccRight, ccHome, ccEnd, ccPrevPage }) {
        const EntryResult result = e.entry.process(command, defaults);
        EXPECT_FALSE(result.textChanged);
        EXPECT_EQ(result.advance, 0);
    }
    EXPECT_EQ(e.shown(), u"12.5");
    EXPECT_FALSE(e.entry.hasSelection()); // any other command collapses the selection
}

TEST(NumericEntry, AutoAdvanceAndArrowSteps)
{
    Entry e(rate);
    EntryContext advance = defaults;
    advance.controller |= TOvcBaseEFOption::efoAutoAdvanceChar;
    e.type(u"1.23456", advance);
    EXPECT_EQ(e.entry.process(ccTypedChar, advance, u'7').advance, 1);

    EntryContext arrows = defaults;
    arrows.field = TOvcEntryFieldOption::efoArrowIncDec;
    Entry s(rate);
    s.field.setRangeLow(0);
    s.field.setRangeHigh(10);
    s.type(u"9.5");
    s.entry.process(ccUp, arrows);
    EXPECT_EQ(s.shown(), u"0.0000"); // 10.5 is past the top: wraps to the bottom
    s.entry.process(ccDown, arrows);
    EXPECT_EQ(s.shown(), u"10.0000");
    EXPECT_TRUE(s.entry.Modified());
}

TEST(NumericEntry, PasteSkipsWhatTypingRefusesWithoutBeeping)
{
    Entry e(money);
    EntryResult result = e.entry.process(ccPaste, defaults, {}, u"1,234.56");
    EXPECT_EQ(e.shown(), u"1,234.56");
    EXPECT_DOUBLE_EQ(e.field.FloatValue(), 1234.56);
    EXPECT_FALSE(result.refused);

    Entry none(money);
    none.type(u"7");
    result = none.entry.process(ccPaste, defaults, {}, u"abc");
    EXPECT_FALSE(result.textChanged);
    EXPECT_FALSE(result.refused);
    EXPECT_EQ(none.shown(), u"7");

    Entry negative(money);
    negative.entry.process(ccPaste, defaults, {}, u"--12-3 456 789 012");
    EXPECT_EQ(negative.shown(), u"-12,345,678");
}

TEST(NumericEntry, PasteReadsParenthesesAsSignOnlyForParenthesisMasks)
{
    Entry p(u"###,###.##p"_s);
    p.entry.process(ccPaste, defaults, {}, u"(12.50)");
    EXPECT_TRUE(p.entry.EntryNegative());
    EXPECT_DOUBLE_EQ(p.field.FloatValue(), -12.5);
    Entry plain(money);
    plain.entry.process(ccPaste, defaults, {}, u"(12.50)");
    EXPECT_FALSE(plain.entry.EntryNegative());
}

TEST(NumericEntry, RestorePutsBackTheSavedTextSelected)
{
    Entry e(money);
    e.field.setFloatValue(100000);
    e.entry.load();
    e.entry.saveRestoreText();
    e.type(u"9");
    ASSERT_TRUE(e.entry.Modified());
    const EntryResult result = e.entry.process(ccRestore, defaults);
    EXPECT_TRUE(result.change);
    EXPECT_EQ(e.shown(), u"100,000.00");
    EXPECT_TRUE(e.entry.hasSelection());
    EXPECT_FALSE(e.entry.Modified());
    EXPECT_EQ(e.entry.EntryDigits(), u"100000.00");
}

} // namespace
} // namespace lw::numeric
