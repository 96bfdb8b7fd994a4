#include <QScopeGuard>

#include "widgets/numeric/entry_errors.h"
#include "widgets/numeric/entry_field_host.h"
#include "widgets/numeric/numeric_entry_field.h"
#include "widgets/numeric/ovcbase.h"

// Checking a numeric entry field's value and reporting a failure.

namespace lw::numeric {

quint16 NumericEntryField::Validate(bool report)
{
    validateAndReport(report);
    return LastErrorCode();
}

bool NumericEntryField::validateAndReport(bool report)
{
    if (!FHost.isVisibleAndEnabled())
        return true;
    setLastErrorCode(EntryError::Valid);
    quint16 code = requiredCode();
    if (code != EntryError::Valid)
        setLastErrorCode(code);
    else
        // The check re-lays a valid value over the mask only while the user edits it.
        code = validate(FFocused);
    if (code == EntryError::Valid) {
        setErrorState(false);
        return true;
    }
    if (FOptions.testFlag(TOvcEntryFieldOption::efoSoftValidation)) {
        setErrorState(true);
        return report;
    }
    if (!report)
        return false;
    TOvcController &controller = Controller();
    FErrorReported = true;
    controller.postFocusBack(*this);
    if (!controller.ErrorPending())
        controller.postErrorReport(*this, code);
    controller.setErrorPending(true);
    return false;
}

// An uninitialized field the user has not touched counts as blank.
quint16 NumericEntryField::requiredCode() const
{
    const bool required = FOptions.testFlag(TOvcEntryFieldOption::efoInputRequired) && !readOnly();
    const bool blank = isBlank() || (FUninitialized && !FEntry.Modified());
    return required && blank ? EntryError::Required : EntryError::Valid;
}

void NumericEntryField::setErrorState(bool error)
{
    assignAndRepaint(FErrorState, error);
}

void NumericEntryField::reportError(quint16 code)
{
    if (code == EntryError::Valid)
        return;
    TOvcController &controller = Controller();
    // A user code's message is whatever the validation handler left as the error text.
    const QString message =
            code >= EntryError::FirstUserCode ? controller.ErrorText() : EntryError::message(code);
    if (message != controller.ErrorText())
        controller.setErrorText(message);
    if (OnError)
        OnError(*this, code, message);
    else if (controller.OnError)
        controller.OnError(*this, code, message);
    else
        FHost.showErrorBox(message);
}

void NumericEntryField::FocusBack()
{
    FHost.showField();
    if (FHost.canFocus())
        FHost.takeFocus();
}

void NumericEntryField::setFloatValue(double value)
{
    if (FInUserValidation)
        return;
    NumericFieldModel::setFloatValue(value);
}

void NumericEntryField::setRangeLo(QStringView text)
{
    NumericFieldModel::setRangeLo(text);
    afterRangeChange();
}

void NumericEntryField::setRangeHi(QStringView text)
{
    NumericFieldModel::setRangeHi(text);
    afterRangeChange();
}

void NumericEntryField::afterRangeChange()
{
    if (!validateAndReport(true) && FHost.parentVisibleAndEnabled())
        FHost.takeFocus();
}

quint16 NumericEntryField::afterCheck(quint16 code)
{
    if (FInUserValidation || !OnUserValidation)
        return code;
    FInUserValidation = true;
    const auto done = qScopeGuard([this] {
        FInUserValidation = false;
    });
    OnUserValidation(*this, code);
    return code;
}

void NumericEntryField::displayTextChanged(bool duringCheck)
{
    FReformat = false;
    if (!duringCheck) {
        FEntry.setModified(false);
        if (FFocused)
            FEntry.selectAll();
    }
    // The buffer follows the text, so the next keystroke edits the value now shown.
    if (FFocused)
        FEntry.load();
    FHost.refresh();
}

} // namespace lw::numeric
