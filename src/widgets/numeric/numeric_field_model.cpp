#include "widgets/numeric/numeric_field_model.h"

#include <charconv>
#include <cmath>

#include "widgets/numeric/entry_errors.h"
#include "widgets/numeric/plain_number.h"

using namespace Qt::StringLiterals;

namespace lw::numeric {

namespace {

bool isIntegerText(std::string_view text)
{
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

} // namespace

NumericFieldModel::NumericFieldModel(const TOvcIntlSup &intl)
    : m_intl(intl)
    , m_mask(NumericDataType::defaultMask(m_dataType))
    , m_rangeLow(NumericDataType::lowLimit(m_dataType))
    , m_rangeHigh(NumericDataType::highLimit(m_dataType))
{
    text().format(0, true, m_displayText);
}

double NumericFieldModel::FloatValue()
{
    const NumericCheck check = checkValue();
    m_lastErrorCode = afterCheck(check.code);
    return m_lastErrorCode == EntryError::Valid ? static_cast<double>(check.value) : 0.0;
}

void NumericFieldModel::setFloatValue(double value)
{
    if (!NumericDataType::isFloating(m_dataType))
        throw EInvalidDataType();
    layValue(value, false);
}

void NumericFieldModel::setDataType(TNumericDataType type)
{
    if (!NumericDataType::isValid(type))
        throw EOvcException(u"Parameter value is invalid"_s);
    if (type == m_dataType)
        return;
    const long double value = transferOut();
    m_dataType = type;
    m_mask = MaskLayout(NumericDataType::defaultMask(type), m_mask.MaskFreeDecimals());
    // The old type's limits could reject values the new type holds, or admit ones it cannot.
    m_rangeLow = NumericDataType::lowLimit(type);
    m_rangeHigh = NumericDataType::highLimit(type);
    layValue(value, false);
}

void NumericFieldModel::setPictureMask(const QString &mask)
{
    if (mask.isEmpty() || mask == m_mask.text())
        return;
    MaskLayout replacement(mask, m_mask.MaskFreeDecimals());
    const long double value = transferOut();
    m_mask = std::move(replacement);
    layValue(value, false);
}

void NumericFieldModel::setMaskFreeDecimals(int decimals)
{
    if (decimals == m_mask.MaskFreeDecimals())
        return;
    const long double value = transferOut();
    m_mask = MaskLayout(m_mask.text(), decimals);
    layValue(value, false);
}

void NumericFieldModel::setDisplayText(const QString &text)
{
    m_heldValue.reset();
    m_displayText = text.left(MaskLayout::MaxLength);
}

void NumericFieldModel::setRangeLow(long double limit)
{
    if (std::isnan(limit))
        throw EInvalidRangeValue(m_dataType);
    m_rangeLow = limit;
}

void NumericFieldModel::setRangeHigh(long double limit)
{
    if (std::isnan(limit))
        throw EInvalidRangeValue(m_dataType);
    m_rangeHigh = limit;
}

QString NumericFieldModel::RangeLo() const
{
    return rangeText(m_rangeLow);
}

QString NumericFieldModel::RangeHi() const
{
    return rangeText(m_rangeHigh);
}

void NumericFieldModel::setRangeLo(QStringView text)
{
    m_rangeLow = parseRangeText(text);
}

void NumericFieldModel::setRangeHi(QStringView text)
{
    m_rangeHigh = parseRangeText(text);
}

std::optional<long double> NumericFieldModel::shownValue() const
{
    return m_heldValue ? m_heldValue : text().parse(m_displayText);
}

NumericCheck NumericFieldModel::checkValue() const
{
    const std::optional<long double> parsed = shownValue();
    if (!parsed || !std::isfinite(*parsed))
        return { EntryError::NotANumber, 0 };
    const long double compared = m_dataType == TNumericDataType::nftReal
            ? NumericDataType::narrow(*parsed, TNumericDataType::nftDouble)
            : *parsed;
    // The range guards what is typed; a value held behind the overflow mark was laid in by
    // the program (a saved or calculated one) and reads as itself, as any other held value.
    if (!m_heldValue && (compared < m_rangeLow || compared > m_rangeHigh))
        return { EntryError::OutOfRange, 0 };
    const long double typed = NumericDataType::narrow(*parsed, m_dataType);
    const bool fits = NumericDataType::isWhole(m_dataType)
            ? typed >= NumericDataType::lowLimit(m_dataType)
                    && typed <= NumericDataType::highLimit(m_dataType)
            : std::isfinite(typed);
    if (!fits)
        return { EntryError::NotANumber, 0 };
    return { EntryError::Valid, typed };
}

quint16 NumericFieldModel::validate(bool relay)
{
    if (m_inputRequired && isBlank()) {
        m_lastErrorCode = EntryError::Required;
        return m_lastErrorCode;
    }
    const NumericCheck check = checkValue();
    m_lastErrorCode = check.code;
    if (check.code == EntryError::Valid && relay)
        layValue(check.value, true);
    m_lastErrorCode = afterCheck(m_lastErrorCode);
    return m_lastErrorCode;
}

bool NumericFieldModel::isBlank() const
{
    for (int p = 0; p < m_mask.displayLength(); ++p) {
        if (m_mask.positionClass(p) == PositionClass::Input && p < m_displayText.size()
                && m_displayText.at(p) != u' ')
            return false;
    }
    return true;
}

long double NumericFieldModel::transferOut() const
{
    const std::optional<long double> parsed = shownValue();
    return parsed ? NumericDataType::narrow(*parsed, m_dataType) : 0.0L;
}

void NumericFieldModel::displayTextChanged(bool duringCheck)
{
    Q_UNUSED(duringCheck);
}

quint16 NumericFieldModel::afterCheck(quint16 code)
{
    return code;
}

void NumericFieldModel::layValue(long double value, bool duringCheck)
{
    const long double typed = NumericDataType::narrow(value, m_dataType);
    m_heldValue.reset();
    if (!text().format(typed, NumericDataType::isWhole(m_dataType), m_displayText))
        m_heldValue = typed;
    displayTextChanged(duringCheck);
}

long double NumericFieldModel::parseRangeText(QStringView text) const
{
    PlainNumber::Text buffer;
    if (text.trimmed().isEmpty() || !buffer.assign(text))
        throw EInvalidRangeValue(m_dataType);
    PlainNumber::normalise(buffer);
    const bool whole = !NumericDataType::isFloating(m_dataType);
    const std::optional<long double> parsed = whole && !isIntegerText(buffer.view())
            ? std::nullopt
            : PlainNumber::convert(buffer.view());
    if (!parsed)
        throw EInvalidRangeValue(m_dataType);
    const long double value =
            NumericDataType::isWhole(m_dataType) ? std::nearbyint(*parsed) : *parsed;
    if (value < NumericDataType::lowLimit(m_dataType)
            || value > NumericDataType::highLimit(m_dataType))
        throw EInvalidRangeValue(m_dataType);
    return value;
}

QString NumericFieldModel::rangeText(long double limit) const
{
    char buffer[64];
    const bool whole = NumericDataType::isWhole(m_dataType) && std::fabs(limit) < 1e19L;
    const auto result = whole
            ? std::to_chars(buffer, buffer + sizeof buffer, limit, std::chars_format::fixed, 0)
            : std::to_chars(buffer, buffer + sizeof buffer, limit);
    if (result.ec != std::errc{})
        return {};
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

} // namespace lw::numeric
