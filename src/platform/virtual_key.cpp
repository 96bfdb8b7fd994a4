#include "platform/virtual_key.h"

#include <algorithm>
#include <array>
#include <utility>

namespace lw::platform {

namespace {

using KeyPair = std::pair<int, quint8>;

// Keys whose virtual key does not follow from a range of Qt codes. Shifted symbols map to the
// key that carries them on a US layout, since key tables name the key, not the character.
constexpr std::array<KeyPair, 58> MainKeys{ {
        { Qt::Key_Backspace, VirtualKey::Back },
        { Qt::Key_Tab, VirtualKey::Tab },
        { Qt::Key_Backtab, VirtualKey::Tab },
        { Qt::Key_Clear, VirtualKey::Clear },
        { Qt::Key_Return, VirtualKey::Return },
        { Qt::Key_Enter, VirtualKey::Return },
        { Qt::Key_Shift, VirtualKey::Shift },
        { Qt::Key_Control, VirtualKey::Control },
        { Qt::Key_Alt, VirtualKey::Menu },
        { Qt::Key_AltGr, VirtualKey::Menu },
        { Qt::Key_Pause, VirtualKey::Pause },
        { Qt::Key_CapsLock, VirtualKey::Capital },
        { Qt::Key_Escape, VirtualKey::Escape },
        { Qt::Key_Space, VirtualKey::Space },
        { Qt::Key_PageUp, VirtualKey::Prior },
        { Qt::Key_PageDown, VirtualKey::Next },
        { Qt::Key_End, VirtualKey::End },
        { Qt::Key_Home, VirtualKey::Home },
        { Qt::Key_Left, VirtualKey::Left },
        { Qt::Key_Up, VirtualKey::Up },
        { Qt::Key_Right, VirtualKey::Right },
        { Qt::Key_Down, VirtualKey::Down },
        { Qt::Key_Insert, VirtualKey::Insert },
        { Qt::Key_Delete, VirtualKey::Delete },
        { Qt::Key_NumLock, VirtualKey::NumLock },
        { Qt::Key_ScrollLock, VirtualKey::Scroll },
        { Qt::Key_ParenRight, VirtualKey::digit(0) },
        { Qt::Key_Exclam, VirtualKey::digit(1) },
        { Qt::Key_At, VirtualKey::digit(2) },
        { Qt::Key_NumberSign, VirtualKey::digit(3) },
        { Qt::Key_Dollar, VirtualKey::digit(4) },
        { Qt::Key_Percent, VirtualKey::digit(5) },
        { Qt::Key_AsciiCircum, VirtualKey::digit(6) },
        { Qt::Key_Ampersand, VirtualKey::digit(7) },
        { Qt::Key_Asterisk, VirtualKey::digit(8) },
        { Qt::Key_ParenLeft, VirtualKey::digit(9) },
        { Qt::Key_Semicolon, VirtualKey::Oem1 },
        { Qt::Key_Colon, VirtualKey::Oem1 },
        { Qt::Key_Equal, VirtualKey::OemPlus },
        { Qt::Key_Plus, VirtualKey::OemPlus },
        { Qt::Key_Comma, VirtualKey::OemComma },
        { Qt::Key_Less, VirtualKey::OemComma },
        { Qt::Key_Minus, VirtualKey::OemMinus },
        { Qt::Key_Underscore, VirtualKey::OemMinus },
        { Qt::Key_Period, VirtualKey::OemPeriod },
        { Qt::Key_Greater, VirtualKey::OemPeriod },
        { Qt::Key_Slash, VirtualKey::Oem2 },
        { Qt::Key_Question, VirtualKey::Oem2 },
        { Qt::Key_QuoteLeft, VirtualKey::Oem3 },
        { Qt::Key_AsciiTilde, VirtualKey::Oem3 },
        { Qt::Key_BracketLeft, VirtualKey::Oem4 },
        { Qt::Key_BraceLeft, VirtualKey::Oem4 },
        { Qt::Key_Backslash, VirtualKey::Oem5 },
        { Qt::Key_Bar, VirtualKey::Oem5 },
        { Qt::Key_BracketRight, VirtualKey::Oem6 },
        { Qt::Key_BraceRight, VirtualKey::Oem6 },
        { Qt::Key_Apostrophe, VirtualKey::Oem7 },
        { Qt::Key_QuoteDbl, VirtualKey::Oem7 },
} };

// With the keypad modifier these report the character, but key tables see the keypad key.
// The decimal key reports ',' under some locales.
constexpr std::array<KeyPair, 6> KeypadOperators{ {
        { Qt::Key_Asterisk, VirtualKey::Multiply },
        { Qt::Key_Plus, VirtualKey::Add },
        { Qt::Key_Minus, VirtualKey::Subtract },
        { Qt::Key_Period, VirtualKey::Decimal },
        { Qt::Key_Comma, VirtualKey::Decimal },
        { Qt::Key_Slash, VirtualKey::Divide },
} };

template <std::size_t N>
quint8 lookUp(const std::array<KeyPair, N> &table, int qtKey)
{
    const auto found = std::find_if(table.begin(), table.end(), [qtKey](const KeyPair &pair) {
        return pair.first == qtKey;
    });
    return found == table.end() ? VirtualKey::None : found->second;
}

quint8 offsetFrom(int qtKey, int first, quint8 firstVirtualKey)
{
    return static_cast<quint8>(firstVirtualKey + (qtKey - first));
}

quint8 virtualKeyOf(int qtKey, bool keypad)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return offsetFrom(qtKey, Qt::Key_0, keypad ? VirtualKey::Numpad0 : VirtualKey::Digit0);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return offsetFrom(qtKey, Qt::Key_A, VirtualKey::LetterA);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return offsetFrom(qtKey, Qt::Key_F1, VirtualKey::F1);
    if (keypad) {
        if (const quint8 key = lookUp(KeypadOperators, qtKey); key != VirtualKey::None)
            return key;
    }
    return lookUp(MainKeys, qtKey);
}

} // namespace

VirtualKeyStroke toVirtualKey(int qtKey, Qt::KeyboardModifiers modifiers)
{
    VirtualKeyStroke stroke;
    stroke.key = virtualKeyOf(qtKey, modifiers.testFlag(Qt::KeypadModifier));
    if (modifiers.testFlag(Qt::ShiftModifier) || qtKey == Qt::Key_Backtab)
        stroke.shift |= ShiftState::Shift;
    if (modifiers.testFlag(Qt::ControlModifier))
        stroke.shift |= ShiftState::Ctrl;
    if (modifiers.testFlag(Qt::AltModifier))
        stroke.shift |= ShiftState::Alt;
    return stroke;
}

bool isModifierOrLockKey(quint8 virtualKey)
{
    switch (virtualKey) {
    case VirtualKey::Shift:
    case VirtualKey::Control:
    case VirtualKey::Menu:
    case VirtualKey::Capital:
    case VirtualKey::NumLock:
    case VirtualKey::Scroll:
        return true;
    default:
        return false;
    }
}

} // namespace lw::platform
