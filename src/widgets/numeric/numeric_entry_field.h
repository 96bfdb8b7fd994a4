#pragma once

#include <functional>

#include <QChar>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include "widgets/numeric/entry_field_host.h"
#include "widgets/numeric/entry_options.h"
#include "widgets/numeric/numeric_entry.h"
#include "widgets/numeric/numeric_field_model.h"

namespace lw::numeric {

class TOvcController;

/// A numeric entry field without its window: the value and mask model, calculator-style
/// editing, focus gain and loss, and validation with its asynchronous report. The widget
/// routes key, mouse and focus events here and paints paintedText(); everything the field
/// needs from the window goes through its EntryFieldHost.
class NumericEntryField : public QObject, public NumericFieldModel
{
public:
    /// intl and host must outlive the field; a null controller means DefaultController().
    NumericEntryField(
            const TOvcIntlSup &intl, EntryFieldHost &host, TOvcController *controller = nullptr);
    ~NumericEntryField() override;
    Q_DISABLE_COPY_MOVE(NumericEntryField)

    TOvcController &Controller() const;

    /// nullptr selects DefaultController().
    void setController(TOvcController *controller);

    TOvcEntryFieldOptions Options() const { return FOptions; }

    void setOptions(TOvcEntryFieldOptions options);

    bool readOnly() const { return FOptions.testFlag(TOvcEntryFieldOption::efoReadOnly); }

    /// Painted in place of blanks in input positions when not a blank itself.
    QChar PadChar() const { return FPadChar; }

    void setPadChar(QChar c);

    /// An uninitialized field paints nothing while it has no focus, and counts as blank for
    /// efoInputRequired until edited.
    bool Uninitialized() const { return FUninitialized; }

    void setUninitialized(bool uninitialized);

    TZeroDisplay ZeroDisplay() const { return FZeroDisplay; }

    void setZeroDisplay(TZeroDisplay display);

    double ZeroDisplayValue() const { return FZeroDisplayValue; }

    void setZeroDisplayValue(double value);

    /// The editing buffer, selection and caret.
    const NumericEntry &entry() const { return FEntry; }

    bool Modified() const { return FEntry.Modified(); }

    bool hasSelection() const { return FEntry.hasSelection(); }

    int caretPosition() const { return FEntry.caretPosition(); }

    /// Insert or overwrite: chooses the caret's shape only.
    bool InsertMode() const { return FInsertMode; }

    bool focused() const { return FFocused; }

    /// Painted in the Error colours; only soft validation sets it.
    bool ErrorState() const { return FErrorState; }

    /// A validation failed and the field has not had the focus since.
    bool errorReported() const { return FErrorReported; }

    /// The text to paint right-aligned: DisplayText decorated, outer blanks removed.
    QString paintedText() const;

    /// A key went down with shift state (2 Shift, 4 Ctrl, 8 Alt, summed); systemKey for the
    /// Alt path. Returns false when the key is no command: its character, if any, may follow.
    bool keyDown(quint8 virtualKey, quint8 shiftState, bool systemKey = false);

    /// A character of the last key-down; dropped unless that key was no command. The keypad's
    /// decimal key types the locale's decimal separator, whatever character it carries.
    void characterTyped(QChar c);

    /// Carries out one command code: user codes go to OnUserCommand, read-only fields refuse
    /// editing, ccCopy, ccCut and ccPaste use the clipboard, ccIns toggles the mode.
    EntryResult ProcessCommand(quint16 command);

    /// The context menu's Delete: ccCut without the copy.
    EntryResult deleteSelection();

    EntryResult selectAll();

    /// The focus arrived; cause decides what is saved and selected.
    void focusGained(FocusCause cause);

    /// The focus left for receiver (nullptr when unknown). Returns false when validation
    /// failed: the field then takes the focus back through the controller.
    bool focusLost(bool staysOnForm, QObject *receiver);

    /// Checks the value; with report, a failure is posted to the controller as a focus-back
    /// and an error report. Under soft validation only the error state follows the result.
    quint16 Validate(bool report);

    /// The posted error report: chooses the message and hands it to OnError, the controller's
    /// OnError, or the error box.
    void reportError(quint16 code);

    /// The posted focus-back: show the field and give it the focus when it can take it.
    void FocusBack();

    /// Ignored while OnUserValidation runs.
    void setFloatValue(double value) override;

    /// Sets a limit as text, then validates with a report and takes the focus when invalid.
    void setRangeLo(QStringView text);
    void setRangeHi(QStringView text);

    std::function<void(NumericEntryField &field)> OnChange;

    /// Called after every check with its code, which the handler may change.
    std::function<void(NumericEntryField &field, quint16 &code)> OnUserValidation;

    /// Replaces the error box for this field.
    std::function<void(NumericEntryField &field, quint16 code, const QString &message)> OnError;

    /// Receives command codes from 256 up.
    std::function<void(NumericEntryField &field, quint16 command)> OnUserCommand;

protected:
    void displayTextChanged(bool duringCheck) override;
    quint16 afterCheck(quint16 code) override;

private:
    EntryContext context() const;

    // Property setters change nothing when the value is the same, else repaint.
    template <typename T>
    void assignAndRepaint(T &member, const T &value)
    {
        if (member == value)
            return;
        member = value;
        FHost.refresh();
    }

    EntryResult dispatch(quint16 command, QChar c);
    EntryResult toggleInsertMode();
    EntryResult copy();
    void finish(const EntryResult &result);
    void relayIfEdited();
    bool validateAndReport(bool report);
    quint16 requiredCode() const;
    void setErrorState(bool error);
    void afterRangeChange();

    EntryFieldHost &FHost;
    QPointer<TOvcController> FController;
    NumericEntry FEntry;
    TOvcEntryFieldOptions FOptions;
    QChar FPadChar = u' ';
    bool FUninitialized = false;
    TZeroDisplay FZeroDisplay = TZeroDisplay::zdShow;
    double FZeroDisplayValue = 0;
    bool FInsertMode = true;
    bool FFocused = false;
    bool FErrorState = false;
    bool FErrorReported = false;
    bool FEnteredWhileErrorPending = false;
    bool FInUserValidation = false;
    bool FCharacterAllowed = false;
    bool FDecimalKey = false; // the last key-down was the keypad's decimal key
    bool FReformat = false; // DisplayText holds the editing layout, not the value over the mask
};

} // namespace lw::numeric
