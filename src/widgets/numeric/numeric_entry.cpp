#include "widgets/numeric/numeric_entry.h"

#include <algorithm>

#include "widgets/numeric/mask_layout.h"
#include "widgets/numeric/numeric_field_model.h"
#include "widgets/numeric/numeric_text.h"
#include "widgets/numeric/ovccmd.h"

namespace lw::numeric {

namespace {

bool isSelectionCommand(quint16 command)
{
    switch (command) {
    case ccExtendLeft:
    case ccExtendRight:
    case ccExtendHome:
    case ccExtendEnd:
    case ccExtWordLeft:
    case ccExtWordRight:
    case ccDoubleClick:
        return true;
    default:
        return false;
    }
}

// These leave the selection as the command made it; all others collapse it to the caret.
bool keepsSelection(quint16 command)
{
    return command == ccCopy || command == ccCut || command == ccPaste || command == ccMouseDown
            || command == ccRestore || isSelectionCommand(command);
}

} // namespace

NumericEntry::NumericEntry(NumericFieldModel &field)
    : m_field(field)
{ }

void NumericEntry::load()
{
    // Nothing of the overflow mark is typed text: the first key starts a fresh entry.
    if (m_field.heldValue()) {
        clear();
        return;
    }
    const QString stripped =
            NumericText(m_field.maskLayout(), m_field.intl()).stripPicture(m_field.DisplayText());
    m_digits.clear();
    m_negative = false;
    bool point = false;
    for (const QChar c : stripped) {
        if (c == u'-' && m_digits.isEmpty() && !m_negative)
            m_negative = true;
        else if (c == u'.' && !point) {
            point = true;
            m_digits.append(c);
        } else if (c.isDigit() || (c >= u'A' && c <= u'F'))
            m_digits.append(c);
    }
    // Zero is shown as "0" but kept as an empty buffer, so the first digit replaces it. The
    // zero shown before a leading point was never typed either: keeping it would let the
    // buffer outgrow the capacity once the remaining places are typed.
    if (m_digits == u"0" || m_digits.startsWith(u"0."))
        m_digits.remove(0, 1);
}

void NumericEntry::clear()
{
    m_digits.clear();
    m_negative = false;
}

int NumericEntry::SelStart() const
{
    return m_selected ? 0 : caretPosition();
}

int NumericEntry::SelEnd() const
{
    return m_selected ? MaxSelection : caretPosition();
}

int NumericEntry::caretPosition() const
{
    const MaskLayout &mask = m_field.maskLayout();
    for (int p = mask.displayLength() - 1; p >= 0; --p) {
        if (mask.positionClass(p) == PositionClass::Input)
            return p + 1;
    }
    return 0;
}

void NumericEntry::saveRestoreText()
{
    m_restoreText = m_field.DisplayText();
    m_restoreValue = m_field.heldValue();
}

EntryResult NumericEntry::process(
        quint16 command, const EntryContext &context, QChar c, QStringView pasted)
{
    const bool wasSelected = m_selected;
    EntryResult result = edit(command, context, c, pasted);
    // A refused key changes nothing, the selection included.
    if (!keepsSelection(command) && !result.refused)
        m_selected = false;
    result.repaint = result.repaint || result.textChanged || m_selected != wasSelected;
    return result;
}

EntryResult NumericEntry::edit(
        quint16 command, const EntryContext &context, QChar c, QStringView pasted)
{
    switch (command) {
    case ccTypedChar:
        return typeChar(c, context);
    case ccPaste:
        return paste(pasted);
    case ccBack:
    case ccDel:
        return backspace();
    case ccDelLine:
        return clearField();
    case ccCut:
    case ccDelWord:
        return m_selected ? clearField() : EntryResult{};
    case ccRestore:
        return restore();
    case ccMouseDown:
        m_selected = false;
        return {};
    case ccInc:
        return step(1);
    case ccDec:
        return step(-1);
    default:
        if (!isSelectionCommand(command))
            return move(command, context);
        m_selected = true;
        EntryResult selected;
        selected.repaint = true;
        return selected;
    }
}

EntryResult NumericEntry::backspace()
{
    if (m_selected)
        return clearField();
    EntryResult result;
    if (!m_digits.isEmpty()) {
        m_digits.chop(1);
        // "0." less its point would show as a leading zero the user never typed.
        if (m_digits == u"0")
            m_digits.clear();
    } else if (m_negative)
        m_negative = false;
    else
        return result;
    rebuildDisplay();
    result.textChanged = result.change = true;
    return result;
}

EntryResult NumericEntry::clearField()
{
    clear();
    m_selected = false;
    rebuildDisplay();
    EntryResult result;
    result.textChanged = result.change = true;
    return result;
}

EntryResult NumericEntry::restore()
{
    // Before the first focus gain there is nothing to go back to.
    if (m_restoreText.isNull())
        return {};
    if (m_restoreValue)
        m_field.transferIn(*m_restoreValue);
    else
        m_field.setDisplayText(m_restoreText);
    m_selected = true;
    m_modified = false;
    load();
    EntryResult result;
    result.textChanged = result.change = true;
    return result;
}

// Steps the value through the range: past one end it continues from the other.
EntryResult NumericEntry::step(int direction)
{
    long double value = m_field.transferOut() + direction;
    if (value > m_field.RangeHigh())
        value = m_field.RangeLow();
    else if (value < m_field.RangeLow())
        value = m_field.RangeHigh();
    m_field.transferIn(value);
    load();
    m_modified = true;
    EntryResult result;
    result.textChanged = result.change = true;
    return result;
}

// Arrow keys leave the field only with the auto-advance options, or step the value with
// efoArrowIncDec; otherwise they, Home, End and the page keys change nothing.
EntryResult NumericEntry::move(quint16 command, const EntryContext &context)
{
    const bool leftRight = context.controller.testFlag(TOvcBaseEFOption::efoAutoAdvanceLeftRight);
    const bool upDown = context.controller.testFlag(TOvcBaseEFOption::efoAutoAdvanceUpDown);
    const bool incDec = context.field.testFlag(TOvcEntryFieldOption::efoArrowIncDec)
            && !context.field.testFlag(TOvcEntryFieldOption::efoReadOnly);
    EntryResult result;
    switch (command) {
    case ccUp:
        if (upDown)
            result.advance = -1;
        else if (incDec)
            return step(1);
        else
            return move(ccLeft, context);
        break;
    case ccDown:
        if (upDown)
            result.advance = 1;
        else if (incDec)
            return step(-1);
        else
            return move(ccRight, context);
        break;
    case ccLeft:
    case ccWordLeft:
        result.advance = leftRight ? -1 : 0;
        break;
    case ccRight:
    case ccWordRight:
        result.advance = leftRight ? 1 : 0;
        break;
    default:
        break;
    }
    return result;
}

void NumericEntry::rebuildDisplay()
{
    QString display;
    if (!layTyped(true, display))
        layTyped(false, display);
    m_field.setDisplayText(display);
    m_modified = true;
}

// Lays the typed text over the mask and moves it so that the last typed character stands in
// the mask's last position: the user sees what was typed, right-aligned, without the decimals
// not yet typed. False when the extra decimals would push out more than blanks.
bool NumericEntry::layTyped(bool zeroBeforePoint, QString &display) const
{
    QString number = m_digits.isEmpty() ? QStringLiteral("0") : m_digits;
    if (zeroBeforePoint && number.startsWith(u'.'))
        number.prepend(u'0');
    if (m_negative)
        number.prepend(u'-');
    const MaskLayout &mask = m_field.maskLayout();
    NumericText(mask, m_field.intl()).merge(number.toStdString(), display);
    if (mask.decimalPosition() < 0)
        return true;
    const qsizetype point = m_digits.indexOf(u'.');
    const int typedDecimals = point < 0 ? 0 : static_cast<int>(m_digits.size() - point - 1);
    const int k = point < 0 ? mask.MaskDecimals() + 1 : mask.MaskDecimals() - typedDecimals;
    int first = 0;
    while (first < display.size() && mask.positionClass(first) == PositionClass::Literal)
        ++first;
    if (k > 0) {
        display.chop(k);
        display.insert(std::min<qsizetype>(first, display.size()), QString(k, u' '));
    } else if (k < 0) {
        // The zero shown before a bare point is the one character that may give way; the
        // sign and typed digits must not.
        if (zeroBeforePoint && !display.mid(first, -k).trimmed().isEmpty())
            return false;
        display.remove(first, -k);
        display.append(m_digits.right(-k));
    }
    return true;
}

} // namespace lw::numeric
