#include "widgets/numeric/mask_layout.h"
#include "widgets/numeric/numeric_entry.h"
#include "widgets/numeric/numeric_field_model.h"
#include "widgets/numeric/ovcintl.h"

// Typing and pasting into a numeric entry: which characters the buffer takes.

namespace lw::numeric {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isHexLetter(QChar c)
{
    return c >= u'A' && c <= u'F';
}

// What the picture character at the caret lets through; the capacity rules come after.
bool pictureAccepts(QChar picture, QChar c)
{
    switch (picture.unicode()) {
    case u'9':
        return isAsciiDigit(c) || c == u' ';
    case u'i':
        return isAsciiDigit(c) || c == u' ' || c == u'-';
    case u'E':
        return isAsciiDigit(c) || c == u' ' || c == u'-' || c == u'.' || c == u'E' || c == u'+';
    case u'K':
        return isAsciiDigit(c) || isHexLetter(c);
    case u'O':
        return (c >= u'0' && c <= u'7') || c == u' ';
    case u'b':
        return c == u'0' || c == u'1' || c == u' ';
    default:
        return isAsciiDigit(c) || c == u' ' || c == u'-' || c == u'.';
    }
}

bool autoAdvances(const EntryContext &context)
{
    return context.controller.testFlag(TOvcBaseEFOption::efoAutoAdvanceChar)
            || context.controller.testFlag(TOvcBaseEFOption::efoAutoAdvanceLeftRight);
}

} // namespace

// A printable key replaces a selected text only when the buffer takes it: a refused key
// must not cost the user the value.
EntryResult NumericEntry::typeChar(QChar c, const EntryContext &context)
{
    const bool replacing = m_selected && c.unicode() > 31;
    const QString digits = m_digits;
    const bool negative = m_negative;
    if (replacing)
        clear();
    EntryResult result;
    if (m_digits.size() + (m_negative ? 1 : 0) > m_field.EntryCapacity()) {
        result.advance = autoAdvances(context) ? 1 : 0;
        result.refused = result.advance == 0;
    } else if (!accept(c))
        result.refused = true;
    else {
        result.textChanged = true;
        if (c != u'-' && full() && autoAdvances(context))
            result.advance = 1;
    }
    if (replacing && !result.textChanged) {
        m_digits = digits;
        m_negative = negative;
        return result;
    }
    if (result.textChanged) {
        m_selected = false;
        rebuildDisplay();
        result.change = true;
    }
    return result;
}

bool NumericEntry::accept(QChar c)
{
    const int caret = caretPosition();
    if (caret == 0)
        return false;
    if (c == m_field.intl().DecimalChar())
        c = u'.';
    else if (c == u'.')
        return false;
    const QChar picture = m_field.maskLayout().pictureChar(caret - 1);
    if (picture == u'K')
        c = c.toUpper();
    if (!pictureAccepts(picture, c) || c == u' ')
        return false;
    if (c == u'-')
        return acceptSign();
    if (c == u'.' && (m_field.maskLayout().decimalPosition() < 0 || m_digits.contains(u'.')))
        return false;
    return acceptDigit(c);
}

bool NumericEntry::full() const
{
    return m_digits.size() + (m_negative ? 1 : 0) >= m_field.EntryCapacity();
}

int NumericEntry::integerDigits() const
{
    const qsizetype point = m_digits.indexOf(u'.');
    return static_cast<int>(point < 0 ? m_digits.size() : point);
}

// The sign takes one integer position, so it goes on only while one is free.
bool NumericEntry::acceptSign()
{
    if (m_negative) {
        m_negative = false;
        return true;
    }
    if (integerDigits() >= m_field.IntegerCapacity() || m_digits.size() >= m_field.EntryCapacity())
        return false;
    m_negative = true;
    return true;
}

bool NumericEntry::acceptDigit(QChar c)
{
    const int sign = m_negative ? 1 : 0;
    if (full()) {
        // A one-character field takes each new character in place of the old, the sign too.
        if (m_field.EntryCapacity() != 1 || c == u'.')
            return false;
        m_digits = c;
        m_negative = false;
        return true;
    }
    if (c == u'0' && m_digits.isEmpty())
        return true;
    if (c != u'.' && m_field.maskLayout().decimalPosition() >= 0 && !m_digits.contains(u'.')
            && integerDigits() + sign >= m_field.IntegerCapacity())
        return false;
    m_digits.append(c);
    return true;
}

// Pasted text goes through the typing rules character by character; what they refuse is
// skipped without a beep, so separators and letters in the text are ignored. Text with
// nothing the buffer takes leaves a selected text in place.
EntryResult NumericEntry::paste(QStringView text)
{
    const QString digits = m_digits;
    const bool negative = m_negative;
    if (m_selected)
        clear();
    bool taken = false;
    const bool parentheses = m_field.maskLayout().hasParentheses();
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (c == u'(' && parentheses && text.indexOf(u')', i + 1) >= 0)
            c = u'-';
        if (c == u'-' && m_negative)
            continue;
        taken = accept(c) || taken;
    }
    EntryResult result;
    if (!taken) {
        m_digits = digits;
        m_negative = negative;
        return result;
    }
    m_selected = false;
    rebuildDisplay();
    result.textChanged = result.change = true;
    return result;
}

} // namespace lw::numeric
