#include "widgets/numeric/entry_field_host.h"
#include "widgets/numeric/numeric_entry_field.h"
#include "widgets/numeric/ovcbase.h"

// Entering and leaving a numeric entry field.

namespace lw::numeric {

void NumericEntryField::focusGained(FocusCause cause)
{
    TOvcController &controller = Controller();
    // Back after its own failed check, or back from another application: the user carries on
    // with the entry as it was left.
    const bool resume = FErrorReported || cause == FocusCause::OtherApplication;
    if (FErrorReported)
        FEnteredWhileErrorPending = false;
    FErrorReported = false;
    FFocused = true;
    if (!resume) {
        FEnteredWhileErrorPending = controller.ErrorPending();
        if (!FEnteredWhileErrorPending) {
            FEntry.setModified(false);
            controller.postPreEdit(*this);
            FEntry.saveRestoreText();
        }
        const bool select = cause == FocusCause::KeyboardOrProgram && !FEnteredWhileErrorPending
                && controller.EntryOptions().testFlag(TOvcBaseEFOption::efoAutoSelect);
        if (select)
            FEntry.selectAll();
        else
            FEntry.clearSelection();
    }
    if (FOptions.testFlag(TOvcEntryFieldOption::efoForceInsert))
        FInsertMode = true;
    else if (FOptions.testFlag(TOvcEntryFieldOption::efoForceOvertype))
        FInsertMode = false;
    else
        FInsertMode = controller.InsertMode();
    FEntry.load();
    FHost.refresh();
}

bool NumericEntryField::focusLost(bool staysOnForm, QObject *receiver)
{
    if (!FFocused)
        return true;
    TOvcController &controller = Controller();
    controller.setInsertMode(FInsertMode);
    bool valid = true;
    if (staysOnForm) {
        if (FEntry.Modified())
            FUninitialized = false;
        // A field entered while another's error was pending must not report a second one.
        if (!FEnteredWhileErrorPending) {
            const bool special =
                    controller.OnIsSpecialControl && controller.OnIsSpecialControl(*this, receiver);
            valid = validateAndReport(!special);
        }
    }
    FFocused = false;
    if (valid && staysOnForm) {
        if (!FEnteredWhileErrorPending)
            controller.postPostEdit(*this);
        relayIfEdited();
        FEntry.clear();
    }
    FHost.refresh();
    return valid;
}

// A field left without a check still shows the editing layout; lay its value over the mask
// again, keeping the user's modified state.
void NumericEntryField::relayIfEdited()
{
    if (!FReformat)
        return;
    const NumericCheck check = checkValue();
    if (check.code != 0)
        return;
    const bool modified = FEntry.Modified();
    transferIn(check.value);
    FEntry.setModified(modified);
}

} // namespace lw::numeric
