#include "platform/virtual_key.h"

#include <gtest/gtest.h>

#include "support/row_printers.h"

using namespace lw::platform;

namespace {

struct KeyRow
{
    const char *name;
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    VirtualKeyStroke expected;
};

LW_PRINT_ROW_NAME(KeyRow)

constexpr Qt::KeyboardModifiers None = Qt::NoModifier;
constexpr Qt::KeyboardModifiers Keypad = Qt::KeypadModifier;

class VirtualKeyMapping : public testing::TestWithParam<KeyRow>
{
};

} // namespace

TEST_P(VirtualKeyMapping, MapsOntoTheUsLayoutKey)
{
    const KeyRow &row = GetParam();
    EXPECT_EQ(toVirtualKey(row.qtKey, row.modifiers), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, VirtualKeyMapping,
        testing::Values(KeyRow{ "Backspace", Qt::Key_Backspace, None, { 8, 0 } },
                KeyRow{ "Tab", Qt::Key_Tab, None, { 9, 0 } },
                KeyRow{ "BacktabIsShiftTab", Qt::Key_Backtab, None, { 9, 2 } },
                KeyRow{ "BacktabWithShiftReported", Qt::Key_Backtab, Qt::ShiftModifier, { 9, 2 } },
                KeyRow{ "Return", Qt::Key_Return, None, { 13, 0 } },
                KeyRow{ "KeypadEnter", Qt::Key_Enter, Keypad, { 13, 0 } },
                KeyRow{ "ShiftKey", Qt::Key_Shift, Qt::ShiftModifier, { 16, 2 } },
                KeyRow{ "ControlKey", Qt::Key_Control, None, { 17, 0 } },
                KeyRow{ "CapsLock", Qt::Key_CapsLock, None, { 20, 0 } },
                KeyRow{ "Escape", Qt::Key_Escape, None, { 27, 0 } },
                KeyRow{ "PageUp", Qt::Key_PageUp, None, { 33, 0 } },
                KeyRow{ "PageDown", Qt::Key_PageDown, None, { 34, 0 } },
                KeyRow{ "End", Qt::Key_End, None, { 35, 0 } },
                KeyRow{ "Home", Qt::Key_Home, None, { 36, 0 } },
                KeyRow{ "Left", Qt::Key_Left, None, { 37, 0 } },
                KeyRow{ "Up", Qt::Key_Up, None, { 38, 0 } },
                KeyRow{ "Right", Qt::Key_Right, None, { 39, 0 } },
                KeyRow{ "Down", Qt::Key_Down, None, { 40, 0 } },
                KeyRow{ "Insert", Qt::Key_Insert, None, { 45, 0 } },
                KeyRow{ "Delete", Qt::Key_Delete, None, { 46, 0 } },
                KeyRow{ "KeypadHomeWithoutNumLock", Qt::Key_Home, Keypad, { 36, 0 } },
                KeyRow{ "KeypadFiveWithoutNumLock", Qt::Key_Clear, Keypad, { 12, 0 } },
                KeyRow{ "Digit0", Qt::Key_0, None, { 48, 0 } },
                KeyRow{ "Digit9WithCtrl", Qt::Key_9, Qt::ControlModifier, { 57, 4 } },
                KeyRow{ "ShiftedDigit1", Qt::Key_Exclam, Qt::ShiftModifier | Qt::ControlModifier,
                        { 49, 6 } },
                KeyRow{ "ShiftedDigit0", Qt::Key_ParenRight, Qt::ShiftModifier, { 48, 2 } },
                KeyRow{ "KeypadDigit0", Qt::Key_0, Keypad, { 96, 0 } },
                KeyRow{ "KeypadDigit9WithAlt", Qt::Key_9, Keypad | Qt::AltModifier, { 105, 8 } },
                KeyRow{ "LetterA", Qt::Key_A, None, { 65, 0 } },
                KeyRow{ "LetterZAllModifiers", Qt::Key_Z,
                        Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, { 90, 14 } },
                KeyRow{ "MetaModifierIgnored", Qt::Key_C, Qt::MetaModifier, { 67, 0 } },
                KeyRow{ "F1", Qt::Key_F1, None, { 112, 0 } },
                KeyRow{ "F12", Qt::Key_F12, None, { 123, 0 } },
                KeyRow{ "NumLock", Qt::Key_NumLock, Keypad, { 144, 0 } },
                KeyRow{ "Plus", Qt::Key_Plus, Qt::ShiftModifier, { 187, 2 } },
                KeyRow{ "Minus", Qt::Key_Minus, None, { 189, 0 } },
                KeyRow{ "Question", Qt::Key_Question, Qt::ShiftModifier, { 191, 2 } },
                KeyRow{ "Bar", Qt::Key_Bar, Qt::ShiftModifier, { 220, 2 } },
                KeyRow{ "KeypadSubtract", Qt::Key_Minus, Keypad, { 109, 0 } },
                KeyRow{ "KeypadDecimal", Qt::Key_Period, Keypad, { 110, 0 } },
                KeyRow{ "KeypadDecimalAsComma", Qt::Key_Comma, Keypad, { 110, 0 } },
                KeyRow{ "UnknownLetter", Qt::Key_Adiaeresis, None, { 0, 0 } },
                KeyRow{ "UnknownMeta", Qt::Key_Meta, Qt::MetaModifier, { 0, 0 } }),
        [](const testing::TestParamInfo<KeyRow> &row) {
            return std::string(row.param.name);
        });

TEST(VirtualKey, OnlyModifierAndLockKeysAreModifiers)
{
    for (int key = 0; key <= 255; ++key) {
        const bool expected =
                key == 16 || key == 17 || key == 18 || key == 20 || key == 144 || key == 145;
        EXPECT_EQ(isModifierOrLockKey(quint8(key)), expected) << key;
    }
}
