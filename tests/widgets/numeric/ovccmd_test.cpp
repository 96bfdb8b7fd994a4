#include "widgets/numeric/ovccmd.h"

#include <array>
#include <vector>

#include <gtest/gtest.h>

#include "platform/virtual_key.h"
#include "support/row_printers.h"
#include "widgets/numeric/entry_errors.h"

using namespace lw::numeric;
using namespace Qt::StringLiterals;
namespace Vk = lw::platform::VirtualKey;

namespace {

constexpr quint8 Shift = 2;
constexpr quint8 Ctrl = 4;
constexpr quint8 Alt = 8;

constexpr quint16 UserCommand = ccUserFirst + 44;

TOvcKeyRecord one(quint8 key, quint8 shift, quint16 command)
{
    return { key, shift, 0, 0, command };
}

TOvcKeyRecord two(quint8 key1, quint8 shift1, quint8 key2, quint8 shift2, quint16 command)
{
    return { key1, shift1, key2, shift2, command };
}

} // namespace

TEST(OvcCommand, CodesKeepTheirStoredValues)
{
    // Every named command in alphabetical order, as key tables store them.
    const std::array<quint16, 75> listed{ ccBack, ccBotOfPage, ccBotRightCell, ccCompleteDate,
        ccCompleteTime, ccCopy, ccCtrlChar, ccCut, ccDec, ccDel, ccDelBol, ccDelEol, ccDelLine,
        ccDelWord, ccDown, ccEnd, ccExtendDown, ccExtendEnd, ccExtendHome, ccExtendLeft,
        ccExtendPgDn, ccExtendPgUp, ccExtendRight, ccExtendUp, ccExtBotOfPage, ccExtFirstPage,
        ccExtLastPage, ccExtTopOfPage, ccExtWordLeft, ccExtWordRight, ccFirstPage, ccGotoMarker0,
        ccGotoMarker1, ccGotoMarker2, ccGotoMarker3, ccGotoMarker4, ccGotoMarker5, ccGotoMarker6,
        ccGotoMarker7, ccGotoMarker8, ccGotoMarker9, ccHome, ccInc, ccIns, ccLastPage, ccLeft,
        ccNewLine, ccNextPage, ccPageLeft, ccPageRight, ccPaste, ccPrevPage, ccRedo, ccRestore,
        ccRight, ccScrollDown, ccScrollUp, ccSetMarker0, ccSetMarker1, ccSetMarker2, ccSetMarker3,
        ccSetMarker4, ccSetMarker5, ccSetMarker6, ccSetMarker7, ccSetMarker8, ccSetMarker9, ccTab,
        ccTableEdit, ccTopLeftCell, ccTopOfPage, ccUndo, ccUp, ccWordLeft, ccWordRight };
    for (std::size_t i = 0; i < listed.size(); ++i)
        EXPECT_EQ(listed[i], i + 1) << "position " << i + 1;
    EXPECT_EQ(ccNone, 0);
    EXPECT_EQ(ccCopy, 6);
    EXPECT_EQ(ccCut, 8);
    EXPECT_EQ(ccDel, 10);
    EXPECT_EQ(ccHome, 42);
    EXPECT_EQ(ccIns, 44);
    EXPECT_EQ(ccLeft, 46);
    EXPECT_EQ(ccPaste, 51);
    EXPECT_EQ(ccRestore, 54);
    EXPECT_EQ(ccUndo, 72);
    const std::array<quint16, 8> internal{ ccTypedChar, ccMouseDown, ccMouseDrag, ccKeyPass,
        ccDoubleClick, ccSwallow, ccPending, ccUserFirst };
    const std::array<quint16, 8> internalValues{ 249, 250, 251, 252, 253, 254, 255, 256 };
    EXPECT_EQ(internal, internalValues);
}

TEST(OvcCommandTable, DefaultIsTheOnlyTableAndHoldsSixtyFourRecords)
{
    TOvcCommandProcessor processor;
    ASSERT_EQ(processor.TableCount(), 1);
    const TOvcCommandTable &table = processor.Table(0);
    EXPECT_EQ(table.TableName(), u"Default"_s);
    EXPECT_TRUE(table.IsActive());
    EXPECT_EQ(table.Count(), 64);
}

namespace {

struct DefaultRow
{
    const char *name;
    quint8 key;
    quint8 shift;
    quint16 command;
};

LW_PRINT_ROW_NAME(DefaultRow)

class DefaultTableKey : public testing::TestWithParam<DefaultRow>
{
};

} // namespace

TEST_P(DefaultTableKey, TranslatesToItsCommand)
{
    TOvcCommandProcessor processor;
    EXPECT_EQ(processor.Translate(GetParam().key, GetParam().shift), GetParam().command);
}

INSTANTIATE_TEST_SUITE_P(Default, DefaultTableKey,
        testing::Values(DefaultRow{ "Left", Vk::Left, 0, ccLeft },
                DefaultRow{ "Right", Vk::Right, 0, ccRight },
                DefaultRow{ "CtrlLeft", Vk::Left, Ctrl, ccWordLeft },
                DefaultRow{ "CtrlRight", Vk::Right, Ctrl, ccWordRight },
                DefaultRow{ "Home", Vk::Home, 0, ccHome }, DefaultRow{ "End", Vk::End, 0, ccEnd },
                DefaultRow{ "Delete", Vk::Delete, 0, ccDel },
                DefaultRow{ "Backspace", Vk::Back, 0, ccBack },
                DefaultRow{ "ShiftBackspace", Vk::Back, Shift, ccBack },
                DefaultRow{ "CtrlPageUp", Vk::Prior, Ctrl, ccTopOfPage },
                DefaultRow{ "CtrlPageDown", Vk::Next, Ctrl, ccBotOfPage },
                DefaultRow{ "Insert", Vk::Insert, 0, ccIns },
                DefaultRow{ "CtrlZ", Vk::letter('Z'), Ctrl, ccUndo },
                DefaultRow{ "AltBackspace", Vk::Back, Alt, ccRestore },
                DefaultRow{ "Up", Vk::Up, 0, ccUp }, DefaultRow{ "Down", Vk::Down, 0, ccDown },
                DefaultRow{ "CtrlEnter", Vk::Return, Ctrl, ccNewLine },
                DefaultRow{ "ShiftLeft", Vk::Left, Shift, ccExtendLeft },
                DefaultRow{ "ShiftRight", Vk::Right, Shift, ccExtendRight },
                DefaultRow{ "ShiftHome", Vk::Home, Shift, ccExtendHome },
                DefaultRow{ "ShiftEnd", Vk::End, Shift, ccExtendEnd },
                DefaultRow{ "ShiftCtrlLeft", Vk::Left, Shift | Ctrl, ccExtWordLeft },
                DefaultRow{ "ShiftCtrlRight", Vk::Right, Shift | Ctrl, ccExtWordRight },
                DefaultRow{ "ShiftPageUp", Vk::Prior, Shift, ccExtendPgUp },
                DefaultRow{ "ShiftPageDown", Vk::Next, Shift, ccExtendPgDn },
                DefaultRow{ "ShiftUp", Vk::Up, Shift, ccExtendUp },
                DefaultRow{ "ShiftDown", Vk::Down, Shift, ccExtendDown },
                DefaultRow{ "ShiftCtrlHome", Vk::Home, Shift | Ctrl, ccExtFirstPage },
                DefaultRow{ "ShiftCtrlEnd", Vk::End, Shift | Ctrl, ccExtLastPage },
                DefaultRow{ "ShiftCtrlPageUp", Vk::Prior, Shift | Ctrl, ccExtTopOfPage },
                DefaultRow{ "ShiftCtrlPageDown", Vk::Next, Shift | Ctrl, ccExtBotOfPage },
                DefaultRow{ "ShiftDelete", Vk::Delete, Shift, ccCut },
                DefaultRow{ "CtrlX", Vk::letter('X'), Ctrl, ccCut },
                DefaultRow{ "CtrlInsert", Vk::Insert, Ctrl, ccCopy },
                DefaultRow{ "CtrlC", Vk::letter('C'), Ctrl, ccCopy },
                DefaultRow{ "ShiftInsert", Vk::Insert, Shift, ccPaste },
                DefaultRow{ "CtrlV", Vk::letter('V'), Ctrl, ccPaste },
                DefaultRow{ "PageUp", Vk::Prior, 0, ccPrevPage },
                DefaultRow{ "PageDown", Vk::Next, 0, ccNextPage },
                DefaultRow{ "CtrlHome", Vk::Home, Ctrl, ccFirstPage },
                DefaultRow{ "CtrlEnd", Vk::End, Ctrl, ccLastPage },
                DefaultRow{ "Tab", Vk::Tab, 0, ccTab },
                DefaultRow{ "CtrlTab", Vk::Tab, Ctrl, ccTab },
                DefaultRow{ "ShiftCtrlZ", Vk::letter('Z'), Shift | Ctrl, ccRedo },
                DefaultRow{ "Ctrl0", Vk::digit(0), Ctrl, ccGotoMarker0 },
                DefaultRow{ "Ctrl9", Vk::digit(9), Ctrl, ccGotoMarker9 },
                DefaultRow{ "ShiftCtrl0", Vk::digit(0), Shift | Ctrl, ccSetMarker0 },
                DefaultRow{ "ShiftCtrl9", Vk::digit(9), Shift | Ctrl, ccSetMarker9 },
                // Keys the field must see as typed characters or ignore.
                DefaultRow{ "Digit", Vk::digit(5), 0, ccKeyPass },
                DefaultRow{ "ShiftedLetter", Vk::letter('Z'), Shift, ccKeyPass },
                DefaultRow{ "Enter", Vk::Return, 0, ccKeyPass },
                DefaultRow{ "Escape", Vk::Escape, 0, ccKeyPass },
                DefaultRow{ "AltShiftBackspace", Vk::Back, Alt | Shift, ccKeyPass },
                DefaultRow{ "CtrlAltDigit", Vk::digit(1), Ctrl | Alt, ccKeyPass }),
        [](const testing::TestParamInfo<DefaultRow> &row) {
            return std::string(row.param.name);
        });

TEST(OvcCommandTable, MarkerKeysFollowTheirDigit)
{
    TOvcCommandProcessor processor;
    for (int n = 0; n <= 9; ++n) {
        EXPECT_EQ(processor.Translate(Vk::digit(n), Ctrl), ccGotoMarker0 + n) << n;
        EXPECT_EQ(processor.Translate(Vk::digit(n), Shift | Ctrl), ccSetMarker0 + n) << n;
    }
}

namespace {

struct Step
{
    quint8 key;
    quint8 shift;
    quint16 expected;
};

struct SequenceRow
{
    const char *name;
    std::vector<Step> steps;
};

LW_PRINT_ROW_NAME(SequenceRow)

class KeySequence : public testing::TestWithParam<SequenceRow>
{
};

constexpr quint8 K = Vk::letter('K');
constexpr quint8 X = Vk::letter('X');
constexpr quint8 B = Vk::letter('B');
constexpr quint8 Q = Vk::letter('Q');

} // namespace

// A table beside the default one, with two-key sequences and a literal-next prefix.
TEST_P(KeySequence, TranslatesStepByStep)
{
    TOvcCommandTable table(u"Test"_s);
    table.AddRec(two(K, Ctrl, X, 0, UserCommand));
    table.AddRec(two(K, Ctrl, B, TOvcKeyRecord::ShiftNoneOrCtrl, UserCommand + 1));
    table.AddRec(two(Q, Ctrl, X, Shift, UserCommand + 2));
    table.AddRec(one(Vk::letter('P'), Ctrl, ccCtrlChar));
    // Unreachable from idle, since the sequences above start with the same key.
    table.AddRec(one(K, Ctrl, UserCommand + 3));
    TOvcCommandProcessor processor;
    processor.AddTable(table);
    const auto &steps = GetParam().steps;
    for (std::size_t i = 0; i < steps.size(); ++i)
        EXPECT_EQ(processor.Translate(steps[i].key, steps[i].shift), steps[i].expected)
                << "step " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(Sequences, KeySequence,
        testing::Values(SequenceRow{ "SecondKeyCompletes",
                                { { K, Ctrl, ccPending }, { X, 0, UserCommand } } },
                SequenceRow{ "ModifiersKeepTheSequencePending",
                        { { K, Ctrl, ccPending }, { Vk::Control, Ctrl, ccPending },
                                { Vk::Shift, Shift, ccPending }, { Vk::Capital, 0, ccPending },
                                { X, 0, UserCommand } } },
                SequenceRow{ "ModifiersPassWhenIdle",
                        { { Vk::Control, Ctrl, ccKeyPass }, { Vk::Menu, Alt, ccKeyPass },
                                { Vk::NumLock, 0, ccKeyPass }, { Vk::Scroll, 0, ccKeyPass } } },
                SequenceRow{ "WrongSecondKeyIsSwallowedThenIdle",
                        { { K, Ctrl, ccPending }, { Q, 0, ccSwallow }, { Vk::Left, 0, ccLeft },
                                { X, 0, ccKeyPass } } },
                SequenceRow{ "SecondShiftMatchesExactly",
                        { { K, Ctrl, ccPending }, { X, Ctrl, ccSwallow }, { Q, Ctrl, ccPending },
                                { X, 0, ccSwallow }, { Q, Ctrl, ccPending },
                                { X, Shift, UserCommand + 2 } } },
                SequenceRow{ "NoShiftOrCtrlAloneMatchesBoth",
                        { { K, Ctrl, ccPending }, { B, 0, UserCommand + 1 }, { K, Ctrl, ccPending },
                                { B, Ctrl, UserCommand + 1 } } },
                SequenceRow{ "NoShiftOrCtrlAloneRefusesOthers",
                        { { K, Ctrl, ccPending }, { B, Shift, ccSwallow }, { K, Ctrl, ccPending },
                                { B, Ctrl | Alt, ccSwallow } } },
                SequenceRow{ "UnknownSecondKeyIsSwallowed",
                        { { K, Ctrl, ccPending }, { 0, 0, ccSwallow } } },
                SequenceRow{ "LiteralNextPassesOneKey",
                        { { Vk::letter('P'), Ctrl, ccCtrlChar }, { Vk::Control, Ctrl, ccKeyPass },
                                { X, Ctrl, ccKeyPass }, { X, Ctrl, ccCut } } }),
        [](const testing::TestParamInfo<SequenceRow> &row) {
            return std::string(row.param.name);
        });

TEST(OvcCommandProcessor, SearchesActiveTablesInListOrder)
{
    TOvcCommandProcessor processor;
    TOvcCommandTable second(u"Second"_s);
    second.AddRec(one(Vk::Left, 0, UserCommand));
    processor.AddTable(second);
    processor.AddTable(TOvcCommandTable(u"Third"_s, false));
    processor.AddCommandByName(u"Third"_s, one(Vk::F1, 0, UserCommand + 1));

    EXPECT_EQ(processor.Translate(Vk::Left, 0), ccLeft);
    EXPECT_EQ(processor.Translate(Vk::F1, 0), ccKeyPass);

    processor.TableByName(u"Default"_s).SetActive(false);
    processor.Table(2).SetActive(true);
    EXPECT_EQ(processor.Translate(Vk::Left, 0), UserCommand);
    EXPECT_EQ(processor.Translate(Vk::F1, 0), UserCommand + 1);
    EXPECT_EQ(processor.Translate(Vk::Right, 0), ccKeyPass);
}

TEST(OvcCommandProcessor, AddingTheSameKeysTwiceOrToAMissingTableThrows)
{
    TOvcCommandProcessor processor;
    try {
        processor.AddCommandByName(u"Default"_s, one(Vk::Left, 0, UserCommand));
        FAIL() << "duplicate accepted";
    } catch (const EDuplicateCommand &e) {
        EXPECT_EQ(
                e.message(), u"Duplicate command found while adding a new command to the table"_s);
    }
    TOvcCommandTable table(u"Pairs"_s);
    table.AddRec(two(K, Ctrl, X, 0, UserCommand));
    table.AddRec(two(K, Ctrl, X, Shift, UserCommand));
    table.AddRec(one(K, Ctrl, UserCommand));
    EXPECT_THROW(table.AddRec(two(K, Ctrl, X, Shift, UserCommand + 1)), EDuplicateCommand);
    EXPECT_EQ(table.Count(), 3);

    try {
        processor.AddCommandByName(u"WordStar"_s, one(Vk::F1, 0, UserCommand));
        FAIL() << "missing table accepted";
    } catch (const ETableNotFound &e) {
        EXPECT_EQ(e.message(), u"Command table not found or command table index out of range"_s);
    }
    EXPECT_THROW(processor.AddCommandByIndex(1, one(Vk::F1, 0, UserCommand)), ETableNotFound);
    EXPECT_THROW(processor.AddCommandByIndex(-1, one(Vk::F1, 0, UserCommand)), ETableNotFound);
    processor.AddCommandByIndex(0, one(Vk::F1, 0, UserCommand));
    EXPECT_EQ(processor.Translate(Vk::F1, 0), UserCommand);
}
