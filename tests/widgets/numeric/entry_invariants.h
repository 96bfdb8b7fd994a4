#pragma once

#include <optional>

#include <QString>

#include "widgets/numeric/entry_errors.h"
#include "widgets/numeric/numeric_data_type.h"
#include "widgets/numeric/numeric_entry_field.h"
#include "widgets/numeric/plain_number.h"

namespace lw::numeric::test {

/// The invariants every editing step must keep, shared by the random-session test and the
/// libFuzzer target; a description of the first broken one, or an empty text.
inline QString brokenInvariant(NumericEntryField &field)
{
    using namespace Qt::StringLiterals;
    const NumericEntry &entry = field.entry();
    const qsizetype used = entry.EntryDigits().size() + (entry.EntryNegative() ? 1 : 0);
    if (used > field.EntryCapacity())
        return u"buffer beyond capacity: "_s + entry.EntryDigits() + u" in "_s + field.PictureMask()
                + u" shown as "_s + field.DisplayText();
    if (field.DisplayText().size() != field.maskLayout().displayLength())
        return u"display length: "_s + field.DisplayText();
    const quint16 code = field.checkValue().code;
    if (code != EntryError::Valid && code != EntryError::OutOfRange
            && code != EntryError::NotANumber)
        return u"unexpected code"_s;
    // Behind the overflow mark nothing is typed yet: the first key starts afresh.
    if (field.heldValue())
        return field.focused() && !entry.EntryDigits().isEmpty()
                ? u"typed digits behind the overflow mark: "_s + entry.EntryDigits()
                : QString();
    if (field.focused() && code != EntryError::NotANumber) {
        const QString digits = entry.EntryDigits();
        const QString typed = (entry.EntryNegative() ? u"-0"_s : u"0"_s) + digits;
        const std::optional<long double> buffer = PlainNumber::parse(typed);
        if (!buffer || NumericDataType::narrow(*buffer, field.DataType()) != field.transferOut())
            return u"display "_s + field.DisplayText() + u" is not the buffer "_s + typed;
    }
    return {};
}

} // namespace lw::numeric::test
