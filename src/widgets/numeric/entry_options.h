#pragma once

#include <QFlags>
#include <QtGlobal>

namespace lw::numeric {

/// Editing options of one entry field.
enum class TOvcEntryFieldOption : quint16 {
    efoArrowIncDec = 0x0001, ///< Up and Down step the value
    efoCaretToEnd = 0x0002, ///< the caret goes to the end of the text on entry
    efoForceInsert = 0x0004, ///< always insert mode; Insert does nothing
    efoForceOvertype = 0x0008, ///< always overwrite mode; Insert does nothing
    efoInputRequired = 0x0010, ///< a blank field fails validation
    efoPasswordMode = 0x0020, ///< blanks in input positions are painted as PadChar
    efoReadOnly = 0x0040, ///< editing commands are refused
    efoSoftValidation = 0x0080, ///< a failed check only paints the error colours
    efoTrimBlanks = 0x0100, ///< leading and trailing blanks are not painted
};
Q_DECLARE_FLAGS(TOvcEntryFieldOptions, TOvcEntryFieldOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TOvcEntryFieldOptions)

/// Editing options a controller gives every field it serves.
enum class TOvcBaseEFOption : quint8 {
    efoAutoAdvanceChar = 0x01, ///< a full buffer moves to the next field
    efoAutoAdvanceLeftRight = 0x02, ///< Left and Right move between fields
    efoAutoAdvanceUpDown = 0x04, ///< Up and Down move between fields
    efoAutoSelect = 0x08, ///< entering by keyboard selects the whole text
    efoBeepOnError = 0x10, ///< a refused keystroke beeps
    efoInsertPushes = 0x20, ///< kept for text fields; a numeric entry always appends
};
Q_DECLARE_FLAGS(TOvcBaseEFOptions, TOvcBaseEFOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TOvcBaseEFOptions)

/// When a field showing its zero value paints nothing.
enum class TZeroDisplay : quint8 {
    zdShow, ///< always paint the value
    zdHide, ///< blank while unfocused
    zdHideUntilModified, ///< blank while unfocused until the user has edited the field
};

/// How a field got the focus; it decides what focus gain selects and saves.
enum class FocusCause : quint8 {
    KeyboardOrProgram, ///< Tab, a mnemonic or a program call: the caret goes to the end
    LeftClick, ///< a click: no selection
    OtherApplication, ///< the form became active again: the field resumes as it was left
};

} // namespace lw::numeric
