#pragma once

// The entry fields' controller: shared editing options, insert mode, and the queue of posted
// pre-edit, post-edit, focus-back and error notifications.

#include <functional>
#include <memory>

#include <QObject>
#include <QString>
#include <QtGlobal>

#include "widgets/numeric/entry_options.h"

namespace lw::numeric {

class NumericEntryField;
class TOvcCommandProcessor;

/// What the entry fields of one form share: the key commands, the editing options, the
/// insert mode handed from field to field, and the one pending error. Its notifications are
/// posted on the event loop and handled strictly in posting order; a notification for a
/// field destroyed before delivery is dropped.
class TOvcController : public QObject
{
public:
    explicit TOvcController(QObject *parent = nullptr);
    ~TOvcController() override;
    Q_DISABLE_COPY_MOVE(TOvcController)

    /// The key-to-command translation every field of the controller uses.
    TOvcCommandProcessor &EntryCommands() { return *FEntryCommands; }

    TOvcBaseEFOptions EntryOptions() const { return FEntryOptions; }

    void setEntryOptions(TOvcBaseEFOptions options) { FEntryOptions = options; }

    /// True for insert mode; a field takes it on entry and stores its own on exit.
    bool InsertMode() const { return FInsertMode; }

    void setInsertMode(bool insert) { FInsertMode = insert; }

    /// Set by a failed validation until the failed field has the focus back; one report at a
    /// time.
    bool ErrorPending() const { return FErrorPending; }

    void setErrorPending(bool pending) { FErrorPending = pending; }

    /// The latest error message; shown for user-defined error codes.
    const QString &ErrorText() const { return FErrorText; }

    void setErrorText(const QString &text) { FErrorText = text; }

    /// Queues OnPreEdit for a field that gained the focus.
    void postPreEdit(NumericEntryField &field);

    /// Queues OnPostEdit for a field that was left.
    void postPostEdit(NumericEntryField &field);

    /// Queues giving the focus back to a field whose validation failed; clears the pending
    /// error once delivered, even for a field that is gone or cannot take the focus.
    void postFocusBack(NumericEntryField &field);

    /// Queues the field's error report for code; it runs after every earlier notification.
    void postErrorReport(NumericEntryField &field, quint16 code);

    /// Queues OnDelayNotify with a code of the caller's choosing.
    void postDelayNotify(NumericEntryField &field, quint16 code);

    std::function<void(NumericEntryField &field)> OnPreEdit;
    std::function<void(NumericEntryField &field)> OnPostEdit;
    std::function<void(NumericEntryField &field, quint16 code)> OnDelayNotify;

    /// True when control, about to receive the focus from field, should not trigger a report
    /// (e.g. a Cancel button): the field then only checks its value.
    std::function<bool(NumericEntryField &field, QObject *control)> OnIsSpecialControl;

    /// Replaces the error box of every field of the controller that has no OnError of its own.
    std::function<void(NumericEntryField &field, quint16 code, const QString &message)> OnError;

private:
    void post(NumericEntryField &field, std::function<void(NumericEntryField &)> action);

    std::unique_ptr<TOvcCommandProcessor> FEntryCommands;
    TOvcBaseEFOptions FEntryOptions = TOvcBaseEFOption::efoAutoSelect
            | TOvcBaseEFOption::efoBeepOnError | TOvcBaseEFOption::efoInsertPushes;
    bool FInsertMode = true;
    bool FErrorPending = false;
    QString FErrorText;
};

/// The controller of every field whose form has none: created on first use, shared by the
/// process, destroyed at exit.
TOvcController &DefaultController();

} // namespace lw::numeric
