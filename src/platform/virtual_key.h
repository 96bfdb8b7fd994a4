#pragma once

#include <QtCore/qnamespace.h>
#include <QtGlobal>

namespace lw::platform {

/// Windows-style virtual-key codes: key tables are written in these, whatever the windowing
/// system reports.
namespace VirtualKey {
constexpr quint8 None = 0;
constexpr quint8 Back = 8;
constexpr quint8 Tab = 9;
constexpr quint8 Clear = 12;
constexpr quint8 Return = 13;
constexpr quint8 Shift = 16;
constexpr quint8 Control = 17;
constexpr quint8 Menu = 18; ///< Alt
constexpr quint8 Pause = 19;
constexpr quint8 Capital = 20; ///< Caps Lock
constexpr quint8 Escape = 27;
constexpr quint8 Space = 32;
constexpr quint8 Prior = 33; ///< Page Up
constexpr quint8 Next = 34; ///< Page Down
constexpr quint8 End = 35;
constexpr quint8 Home = 36;
constexpr quint8 Left = 37;
constexpr quint8 Up = 38;
constexpr quint8 Right = 39;
constexpr quint8 Down = 40;
constexpr quint8 Insert = 45;
constexpr quint8 Delete = 46;
constexpr quint8 Digit0 = 48; ///< '0'..'9' are 48..57
constexpr quint8 LetterA = 65; ///< 'A'..'Z' are 65..90
constexpr quint8 Numpad0 = 96; ///< keypad digits are 96..105
constexpr quint8 Multiply = 106;
constexpr quint8 Add = 107;
constexpr quint8 Subtract = 109;
constexpr quint8 Decimal = 110;
constexpr quint8 Divide = 111;
constexpr quint8 F1 = 112; ///< F1..F12 are 112..123
constexpr quint8 NumLock = 144;
constexpr quint8 Scroll = 145;
constexpr quint8 Oem1 = 186; ///< ';' ':'
constexpr quint8 OemPlus = 187; ///< '=' '+'
constexpr quint8 OemComma = 188; ///< ',' '<'
constexpr quint8 OemMinus = 189; ///< '-' '_'
constexpr quint8 OemPeriod = 190; ///< '.' '>'
constexpr quint8 Oem2 = 191; ///< '/' '?'
constexpr quint8 Oem3 = 192; ///< '`' '~'
constexpr quint8 Oem4 = 219; ///< '[' '{'
constexpr quint8 Oem5 = 220; ///< '\' '|'
constexpr quint8 Oem6 = 221; ///< ']' '}'
constexpr quint8 Oem7 = 222; ///< '\'' '"'

/// The key of a digit 0..9 on the main keyboard.
constexpr quint8 digit(int value)
{
    return quint8(Digit0 + value);
}

/// The key of an upper-case letter 'A'..'Z'.
constexpr quint8 letter(char upper)
{
    return quint8(LetterA + (upper - 'A'));
}
} // namespace VirtualKey

/// Bits of a key's shift state, summed.
namespace ShiftState {
constexpr quint8 None = 0;
constexpr quint8 Shift = 2;
constexpr quint8 Ctrl = 4;
constexpr quint8 Alt = 8;
} // namespace ShiftState

/// A key press as key tables see it: virtual-key code (0 when unknown) and shift state.
struct VirtualKeyStroke
{
    quint8 key = VirtualKey::None;
    quint8 shift = ShiftState::None;

    bool operator==(const VirtualKeyStroke &) const = default;
};

/// Maps a Qt key code and its modifiers onto the virtual key of a US keyboard layout.
VirtualKeyStroke toVirtualKey(int qtKey, Qt::KeyboardModifiers modifiers);

/// True for Shift, Ctrl, Alt and the three lock keys, which never end a key sequence.
bool isModifierOrLockKey(quint8 virtualKey);

} // namespace lw::platform
