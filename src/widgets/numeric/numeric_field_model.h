#pragma once

#include <optional>

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include "core/number_field.h"
#include "widgets/numeric/mask_layout.h"
#include "widgets/numeric/numeric_data_type.h"
#include "widgets/numeric/numeric_text.h"

namespace lw::numeric {

class TOvcIntlSup;

/// The outcome of checking a field's text: an EntryError code and, when the code is 0, the
/// value in the field's own type.
struct NumericCheck
{
    quint16 code = 0;
    long double value = 0;
};

/// A numeric entry field without its window: data type, picture mask, display text, range,
/// and the conversions between text and value. Every read parses DisplayText anew, but for the
/// overflow mark, behind which the field keeps the value that did not fit. The entry widget adds focus, editing and painting on top.
class NumericFieldModel : public lw::core::NumberField
{
public:
    /// Starts as a 32-bit integer field showing 0. intl must outlive the field.
    explicit NumericFieldModel(const TOvcIntlSup &intl);
    NumericFieldModel(TOvcIntlSup &&) = delete; // the field keeps a reference

    /// The checked value as a double; 0 when the text is not a number or out of range, with
    /// the reason in LastErrorCode. Never changes the text.
    double FloatValue() override;

    /// Lays value over the mask in the field's type; throws EInvalidDataType (changing nothing)
    /// unless the type is a floating one.
    void setFloatValue(double value) override;

    TNumericDataType DataType() const { return m_dataType; }

    /// Installs the type's default mask and range, keeping the value. Throws EOvcException for
    /// a value outside the enumeration.
    void setDataType(TNumericDataType type);

    const QString &PictureMask() const { return m_mask.text(); }

    /// Replaces the mask keeping the value; an empty mask is ignored. Throws
    /// EInvalidPictureMask, changing nothing, for a mask longer than 255 characters.
    void setPictureMask(const QString &mask);

    /// The locale characters the field shows and parses.
    const TOvcIntlSup &intl() const { return m_intl; }

    /// The analysed mask: position classes and capacities.
    const MaskLayout &maskLayout() const { return m_mask; }

    /// One character per display position.
    const QString &DisplayText() const { return m_displayText; }

    /// For the entry logic, which edits the text directly; longer text is cut to 255 characters.
    void setDisplayText(const QString &text);

    /// The value behind the overflow mark while the text shows it: a value too wide for the
    /// mask is kept as it was given, so reading the field never turns it into another number.
    const std::optional<long double> &heldValue() const { return m_heldValue; }

    int MaskDecimals() const { return m_mask.MaskDecimals(); }

    int EntryCapacity() const { return m_mask.EntryCapacity(); }

    int IntegerCapacity() const { return m_mask.IntegerCapacity(); }

    int MaskFreeDecimals() const { return m_mask.MaskFreeDecimals(); }

    /// Decimals shown by a mask without '.'; re-lays the value.
    void setMaskFreeDecimals(int decimals);

    /// The code of the latest check or validation (an EntryError value).
    quint16 LastErrorCode() const { return m_lastErrorCode; }

    long double RangeLow() const { return m_rangeLow; }

    long double RangeHigh() const { return m_rangeHigh; }

    /// The limits themselves are valid values. A NaN limit throws EInvalidRangeValue.
    void setRangeLow(long double limit);
    void setRangeHigh(long double limit);

    /// The limits as text, the form in which they are set by name.
    QString RangeLo() const;
    QString RangeHi() const;

    /// Parses text as a value of the field's type; throws EInvalidRangeValue with the type's
    /// message, leaving the limits unchanged, when it is none.
    void setRangeLo(QStringView text);
    void setRangeHi(QStringView text);

    /// A blank field fails validation with EntryError::Required.
    bool InputRequired() const { return m_inputRequired; }

    void setInputRequired(bool required) { m_inputRequired = required; }

    /// Parses and range-checks DisplayText; changes nothing.
    NumericCheck checkValue() const;

    /// Checks as leaving the field does, stores the code in LastErrorCode and returns it; a
    /// valid value is laid over the mask again (rounded to its decimals) when relay is true.
    quint16 validate(bool relay);

    /// True when every input position holds a blank.
    bool isBlank() const;

    /// Text to value: the parsed value in the field's type, 0 when the text is not a number.
    long double transferOut() const;

    /// Value to text: value in the field's type laid over the mask.
    void transferIn(long double value) { layValue(value, false); }

protected:
    /// Runs after every change of DisplayText by a value transfer; duringCheck marks the
    /// re-laying done by validate(), which must not move a caret or the selection.
    virtual void displayTextChanged(bool duringCheck);

    /// Runs after every check of the text (a FloatValue read or validate()) with its code and
    /// returns the code to keep; lets a field run its own validation handler.
    virtual quint16 afterCheck(quint16 code);

    /// For a field whose own rules fail the text before it is checked.
    void setLastErrorCode(quint16 code) { m_lastErrorCode = code; }

private:
    NumericText text() const { return NumericText(m_mask, m_intl); }

    std::optional<long double> shownValue() const;

    void layValue(long double value, bool duringCheck);
    long double parseRangeText(QStringView text) const;
    QString rangeText(long double limit) const;

    const TOvcIntlSup &m_intl;
    TNumericDataType m_dataType = TNumericDataType::nftLongInt;
    MaskLayout m_mask;
    QString m_displayText;
    std::optional<long double> m_heldValue;
    long double m_rangeLow = 0;
    long double m_rangeHigh = 0;
    quint16 m_lastErrorCode = 0;
    bool m_inputRequired = false;
};

} // namespace lw::numeric
