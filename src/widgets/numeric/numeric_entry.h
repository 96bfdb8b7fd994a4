#pragma once

#include <optional>

#include <QChar>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include "widgets/numeric/entry_options.h"

namespace lw::numeric {

class NumericFieldModel;

/// What one editing command did, for the caller to act on.
struct EntryResult
{
    bool refused = false; ///< a keystroke was refused: beep when the controller asks for it
    bool textChanged = false; ///< DisplayText was rebuilt from the buffer
    bool repaint = false; ///< text, selection or caret changed
    bool change = false; ///< OnChange is due
    int advance = 0; ///< -1 or +1: the focus should move to the previous or next field
};

/// The options a command is carried out under: the field's own and its controller's.
struct EntryContext
{
    TOvcEntryFieldOptions field;
    TOvcBaseEFOptions controller;
};

/// Calculator-style entry into a numeric field: the caret stays at the right end, typed
/// characters are appended to a buffer, the selection is empty or the whole text, and every
/// accepted change rebuilds the field's DisplayText from the buffer, right-aligned with
/// separators. Needs no window; the field must outlive the entry.
class NumericEntry
{
public:
    explicit NumericEntry(NumericFieldModel &field);
    NumericEntry(NumericFieldModel &&) = delete; // keeps a reference

    /// Digits and at most one '.', as typed; no sign, no leading "0" alone.
    const QString &EntryDigits() const { return m_digits; }

    bool EntryNegative() const { return m_negative; }

    /// Fills the buffer from DisplayText: picture stripped, blanks dropped, a leading '-' as the
    /// sign, a lone "0" as empty.
    void load();

    /// Empties the buffer, as leaving the field does.
    void clear();

    /// The selection is either empty or the whole text.
    bool hasSelection() const { return m_selected; }

    /// Display positions: 0 and MaxSelection with a selection, else the caret twice.
    int SelStart() const;
    int SelEnd() const;

    static constexpr int MaxSelection = 255;

    void selectAll() { m_selected = true; }

    void clearSelection() { m_selected = false; }

    /// Just after the mask's last input position, where the last typed character stands.
    int caretPosition() const;

    /// Set by every accepted edit; cleared when a value is written or restored.
    bool Modified() const { return m_modified; }

    void setModified(bool modified) { m_modified = modified; }

    /// Keeps DisplayText, and the value behind an overflow mark, for ccRestore; focus gain
    /// calls it.
    void saveRestoreText();

    const QString &restoreText() const { return m_restoreText; }

    /// Carries out one command code (ccTypedChar with c, ccPaste with pasted); commands that
    /// do not edit a numeric entry only collapse the selection. The read-only refusal and the
    /// clipboard belong to the caller.
    EntryResult process(
            quint16 command, const EntryContext &context, QChar c = {}, QStringView pasted = {});

private:
    /// Whether the buffer takes c, taking it if so; typing and pasting share these rules.
    bool accept(QChar c);
    EntryResult edit(quint16 command, const EntryContext &context, QChar c, QStringView pasted);
    EntryResult typeChar(QChar c, const EntryContext &context);
    EntryResult paste(QStringView text);
    EntryResult backspace();
    EntryResult clearField();
    EntryResult restore();
    EntryResult step(int direction);
    EntryResult move(quint16 command, const EntryContext &context);
    bool full() const;
    int integerDigits() const;
    bool acceptSign();
    bool acceptDigit(QChar c);
    void rebuildDisplay();
    bool layTyped(bool zeroBeforePoint, QString &display) const;

    NumericFieldModel &m_field;
    QString m_digits;
    bool m_negative = false;
    bool m_selected = false;
    bool m_modified = false;
    QString m_restoreText;
    std::optional<long double> m_restoreValue; // what an overflow mark in m_restoreText stands for
};

} // namespace lw::numeric
