#include "widgets/numeric/numeric_entry_field.h"

#include "platform/virtual_key.h"
#include "widgets/numeric/entry_field_host.h"
#include "widgets/numeric/ovcbase.h"
#include "widgets/numeric/ovccmd.h"
#include "widgets/numeric/ovcintl.h"
#include "widgets/numeric/painted_text.h"

namespace lw::numeric {

namespace {

// Editing commands a read-only field refuses with the error beep.
bool editsText(quint16 command)
{
    return command == ccBack || (command >= ccCtrlChar && command <= ccDelWord) || command == ccInc
            || command == ccPaste || command == ccRestore || command == ccTypedChar;
}

bool isKeypadDigit(quint8 virtualKey)
{
    using lw::platform::VirtualKey::Numpad0;
    return virtualKey >= Numpad0 && virtualKey <= Numpad0 + 9;
}

} // namespace

NumericEntryField::NumericEntryField(
        const TOvcIntlSup &intl, EntryFieldHost &host, TOvcController *controller)
    : NumericFieldModel(intl)
    , FHost(host)
    , FController(controller)
    , FEntry(*this)
    , FOptions(TOvcEntryFieldOption::efoCaretToEnd | TOvcEntryFieldOption::efoTrimBlanks)
{ }

NumericEntryField::~NumericEntryField() = default;

TOvcController &NumericEntryField::Controller() const
{
    return FController ? *FController : DefaultController();
}

void NumericEntryField::setController(TOvcController *controller)
{
    FController = controller;
}

void NumericEntryField::setOptions(TOvcEntryFieldOptions options)
{
    assignAndRepaint(FOptions, options);
}

void NumericEntryField::setPadChar(QChar c)
{
    assignAndRepaint(FPadChar, c);
}

void NumericEntryField::setUninitialized(bool uninitialized)
{
    assignAndRepaint(FUninitialized, uninitialized);
}

void NumericEntryField::setZeroDisplay(TZeroDisplay display)
{
    assignAndRepaint(FZeroDisplay, display);
}

void NumericEntryField::setZeroDisplayValue(double value)
{
    assignAndRepaint(FZeroDisplayValue, value);
}

QString NumericEntryField::paintedText() const
{
    PaintedTextOptions options;
    options.focused = FFocused;
    options.modified = Modified();
    options.Uninitialized = FUninitialized;
    options.passwordMode = FOptions.testFlag(TOvcEntryFieldOption::efoPasswordMode);
    options.PadChar = FPadChar;
    options.ZeroDisplay = FZeroDisplay;
    options.ZeroDisplayValue = FZeroDisplayValue;
    return PaintedText::compose(*this, options);
}

bool NumericEntryField::keyDown(quint8 virtualKey, quint8 shiftState, bool systemKey)
{
    quint16 translated = Controller().EntryCommands().Translate(virtualKey, shiftState);
    // Alt+keypad digits compose a character that must reach the field.
    FCharacterAllowed = translated == ccKeyPass || (systemKey && isKeypadDigit(virtualKey));
    FDecimalKey = virtualKey == lw::platform::VirtualKey::Decimal;
    if (translated == ccKeyPass)
        return false;
    if (translated == ccUndo)
        translated = ccRestore;
    if (translated != ccNone)
        ProcessCommand(translated);
    return true;
}

void NumericEntryField::characterTyped(QChar c)
{
    const bool allowed = FCharacterAllowed;
    FCharacterAllowed = false;
    if (!allowed || c.unicode() == 0)
        return;
    // Spreadsheets and calculators treat that key so: it reports '.' or ',' by layout, not
    // by the locale the numbers are written in.
    if (FDecimalKey)
        c = intl().DecimalChar();
    finish(dispatch(ccTypedChar, c));
}

EntryResult NumericEntryField::ProcessCommand(quint16 command)
{
    const EntryResult result = dispatch(command, {});
    finish(result);
    return result;
}

EntryResult NumericEntryField::deleteSelection()
{
    if (readOnly())
        return {};
    const EntryResult result = FEntry.process(ccCut, context());
    finish(result);
    return result;
}

EntryResult NumericEntryField::selectAll()
{
    const EntryResult result = FEntry.process(ccExtendHome, context());
    finish(result);
    return result;
}

EntryResult NumericEntryField::dispatch(quint16 command, QChar c)
{
    if (command >= ccUserFirst) {
        if (OnUserCommand)
            OnUserCommand(*this, command);
        return {};
    }
    if (readOnly() && editsText(command)) {
        EntryResult refused;
        refused.refused = true;
        return refused;
    }
    switch (command) {
    case ccNone:
    case ccKeyPass:
    case ccSwallow:
    case ccPending:
        return {};
    case ccIns:
        return toggleInsertMode();
    case ccCopy:
        return copy();
    case ccCut:
        copy();
        return FEntry.process(ccCut, context());
    case ccPaste: {
        const std::optional<QString> text = FHost.clipboardText();
        return text ? FEntry.process(ccPaste, context(), {}, *text) : EntryResult{};
    }
    default:
        return FEntry.process(command, context(), c);
    }
}

EntryResult NumericEntryField::toggleInsertMode()
{
    EntryResult result;
    if (FOptions.testAnyFlags(
                TOvcEntryFieldOption::efoForceInsert | TOvcEntryFieldOption::efoForceOvertype))
        return result;
    FInsertMode = !FInsertMode;
    FEntry.clearSelection();
    result.repaint = true;
    return result;
}

EntryResult NumericEntryField::copy()
{
    if (FEntry.hasSelection())
        FHost.setClipboardText(paintedText());
    return {};
}

EntryContext NumericEntryField::context() const
{
    return { FOptions, Controller().EntryOptions() };
}

void NumericEntryField::finish(const EntryResult &result)
{
    if (result.textChanged)
        FReformat = true;
    if (result.refused && Controller().EntryOptions().testFlag(TOvcBaseEFOption::efoBeepOnError))
        FHost.beep();
    if (result.repaint)
        FHost.refresh();
    if (result.change && OnChange)
        OnChange(*this);
    if (result.advance != 0)
        FHost.advanceFocus(result.advance > 0);
}

} // namespace lw::numeric
