#include "widgets/numeric/painted_text.h"

#include "widgets/numeric/entry_errors.h"
#include "widgets/numeric/mask_layout.h"
#include "widgets/numeric/numeric_field_model.h"

namespace lw::numeric {

namespace {

bool hidesZero(const NumericFieldModel &field, const PaintedTextOptions &options)
{
    const bool hiding = options.ZeroDisplay == TZeroDisplay::zdHide
            || (options.ZeroDisplay == TZeroDisplay::zdHideUntilModified && !options.modified);
    if (!hiding || options.focused)
        return false;
    const NumericCheck check = field.checkValue();
    return check.code == EntryError::Valid
            && check.value == static_cast<long double>(options.ZeroDisplayValue);
}

void padBlanks(const MaskLayout &mask, QChar pad, QString &text)
{
    for (int p = 0; p < text.size() && p < mask.displayLength(); ++p) {
        if (text.at(p) == u' ' && mask.positionClass(p) == PositionClass::Input)
            text[p] = pad;
    }
}

// 'p' and 'g' take no display position: the sign decoration is placed where they stand in the
// mask text.
QString decorateSign(const MaskLayout &mask, const QString &display)
{
    qsizetype minus = -1;
    for (int p = 0; p < display.size() && p < mask.displayLength(); ++p) {
        if (display.at(p) == u'-' && mask.positionClass(p) != PositionClass::Literal) {
            minus = p;
            break;
        }
    }
    QString out;
    out.reserve(mask.text().size());
    qsizetype next = 0;
    for (const QChar m : mask.text()) {
        if (m == u'p')
            out.append(minus >= 0 ? u')' : u' ');
        else if (m == u'g')
            out.append(minus >= 0 ? u'-' : u' ');
        else if (next < display.size()) {
            const QChar c = display.at(next);
            if (next++ == minus)
                out.append(mask.hasParentheses() ? u'(' : u' ');
            else
                out.append(c);
        }
    }
    return out;
}

} // namespace

QString PaintedText::compose(const NumericFieldModel &field, const PaintedTextOptions &options)
{
    if (options.Uninitialized && !options.focused)
        return {};
    const MaskLayout &mask = field.maskLayout();
    QString text = field.DisplayText();
    if (options.PadChar != u' ' || options.passwordMode)
        padBlanks(mask, options.PadChar, text);
    if (mask.hasParentheses() || mask.hasSignPosition())
        text = decorateSign(mask, text);
    if (hidesZero(field, options))
        return {};
    return text.trimmed();
}

} // namespace lw::numeric
