#include "widgets/numeric/numeric_field_model.h"

#include <limits>
#include <random>

#include <QLocale>

#include <gtest/gtest.h>

#include "support/calculator_field.h"
#include "support/row_printers.h"
#include "widgets/numeric/entry_errors.h"
#include "widgets/numeric/ovcintl.h"

using namespace Qt::StringLiterals;
using lw::numeric::EInvalidDataType;
using lw::numeric::EInvalidPictureMask;
using lw::numeric::EInvalidRangeValue;
using lw::numeric::EOvcException;
using lw::numeric::NumericFieldModel;
using lw::numeric::TNumericDataType;
using lw::numeric::TOvcIntlSup;
namespace EntryError = lw::numeric::EntryError;

namespace {

const QString moneyMask = u"###,###,###.##"_s;
const QString rateMask = u"###.####"_s;

// Records the transfers that reach the widget layer.
class RecordingField final : public NumericFieldModel
{
public:
    using NumericFieldModel::NumericFieldModel;

    int transfers = 0;
    int transfersDuringCheck = 0;

protected:
    void displayTextChanged(bool duringCheck) override
    {
        ++(duringCheck ? transfersDuringCheck : transfers);
    }
};

// A field configured as the calculator's amount and rate fields are.
class ProgramField : public testing::Test
{
protected:
    void configure(const QString &mask) { lw::test::configureCalculatorField(field, mask); }

    void SetUp() override { configure(moneyMask); }

    TOvcIntlSup intl;
    RecordingField field{ intl };
};

} // namespace

TEST(NumericFieldModel, StartsAsAnIntegerFieldShowingZero)
{
    const TOvcIntlSup intl;
    NumericFieldModel field(intl);
    EXPECT_EQ(field.DataType(), TNumericDataType::nftLongInt);
    EXPECT_EQ(field.PictureMask(), u"iiiiiiiiiii"_s);
    EXPECT_EQ(field.DisplayText(), u"          0"_s);
    EXPECT_EQ(field.FloatValue(), 0.0);
    EXPECT_EQ(field.LastErrorCode(), EntryError::Valid);
}

TEST_F(ProgramField, ShowsAndReadsTheExamples)
{
    field.setFloatValue(100000);
    EXPECT_EQ(field.DisplayText(), u"    100,000.00"_s);
    EXPECT_EQ(field.FloatValue(), 100000.0);
    field.setFloatValue(2.5);
    EXPECT_EQ(field.FloatValue(), 2.5);
    field.setFloatValue(1.23456);
    EXPECT_EQ(field.DisplayText(), u"          1.23"_s);
    EXPECT_EQ(field.FloatValue(), 1.23);
    field.setFloatValue(999999999.99);
    EXPECT_EQ(field.DisplayText(), u"999,999,999.99"_s);
    EXPECT_EQ(field.FloatValue(), 999999999.99);
    EXPECT_EQ(field.LastErrorCode(), EntryError::Valid);
}

TEST_F(ProgramField, RateField)
{
    configure(rateMask);
    field.setFloatValue(6);
    EXPECT_EQ(field.DisplayText(), u"  6.0000"_s);
    EXPECT_EQ(field.MaskDecimals(), 4);
    EXPECT_EQ(field.EntryCapacity(), 8);
    EXPECT_EQ(field.IntegerCapacity(), 3);
    field.setFloatValue(7.12345);
    EXPECT_EQ(field.FloatValue(), 7.1235);
}

// The mark never reads as another number: a finite value is kept behind it until the text
// changes, anything else is no number.
TEST_F(ProgramField, ValuesTheMaskCannotHoldShowTheMarkAndReadAsThemselves)
{
    // The largest doubles lie beyond the program's range of +-1.7e308, which guards typing only.
    constexpr double largest = std::numeric_limits<double>::max();
    for (const double value : { 1e9, -999999999.0, 1234567890123.0, -1e300, largest, -largest }) {
        field.setFloatValue(value);
        EXPECT_EQ(field.DisplayText(), u"***,***,***.**"_s) << value;
        EXPECT_EQ(field.FloatValue(), value) << value;
        EXPECT_EQ(field.validate(true), EntryError::Valid) << value;
        EXPECT_EQ(field.DisplayText(), u"***,***,***.**"_s) << value;
    }
    for (const double value :
            { std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN() }) {
        field.setFloatValue(value);
        EXPECT_EQ(field.DisplayText(), u"***,***,***.**"_s) << value;
        EXPECT_EQ(field.FloatValue(), 0.0) << value;
        EXPECT_EQ(field.LastErrorCode(), EntryError::NotANumber) << value;
    }
    configure(rateMask);
    field.setFloatValue(1000);
    EXPECT_EQ(field.DisplayText(), u"***.****"_s);
    EXPECT_EQ(field.FloatValue(), 1000.0);
    field.setDisplayText(field.DisplayText());
    EXPECT_EQ(field.FloatValue(), 0.0) << "the mark as typed text is no number";
    EXPECT_EQ(field.LastErrorCode(), EntryError::NotANumber);
}

TEST_F(ProgramField, ReadingTextThatIsNoNumberGivesZeroAndTheCode)
{
    field.setDisplayText(u"     12a345.00"_s);
    EXPECT_EQ(field.FloatValue(), 0.0);
    EXPECT_EQ(field.LastErrorCode(), EntryError::NotANumber);
    // Reading never re-lays the text.
    EXPECT_EQ(field.DisplayText(), u"     12a345.00"_s);
    field.setDisplayText(QString());
    EXPECT_EQ(field.FloatValue(), 0.0);
    EXPECT_EQ(field.LastErrorCode(), EntryError::Valid);
    field.setDisplayText(u"              "_s);
    EXPECT_EQ(field.FloatValue(), 0.0);
    EXPECT_EQ(field.LastErrorCode(), EntryError::Valid);
}

TEST_F(ProgramField, RangeIsCheckedInExtendedPrecision)
{
    // Beyond double yet inside the extended range: out of range, not invalid.
    field.setDisplayText(u"1e999"_s);
    EXPECT_EQ(field.FloatValue(), 0.0);
    EXPECT_EQ(field.LastErrorCode(), EntryError::OutOfRange);
    field.setDisplayText(u"1e5000"_s);
    EXPECT_EQ(field.FloatValue(), 0.0);
    EXPECT_EQ(field.LastErrorCode(), EntryError::NotANumber);

    field.setRangeLow(0);
    field.setRangeHigh(100);
    field.setFloatValue(100);
    EXPECT_EQ(field.FloatValue(), 100.0);
    field.setFloatValue(150);
    EXPECT_EQ(field.FloatValue(), 0.0);
    EXPECT_EQ(field.LastErrorCode(), EntryError::OutOfRange);
    field.setFloatValue(-0.01);
    EXPECT_EQ(field.FloatValue(), 0.0);
    EXPECT_EQ(field.LastErrorCode(), EntryError::OutOfRange);
}

TEST_F(ProgramField, RealComparesTheRangeInDoublePrecision)
{
    // 1 + 1e-19 is above 1 in extended precision but rounds to 1 as a double.
    const QString mask = u"#."_s + QString(19, u'#');
    const QString text = u"1.0000000000000000001"_s;
    field.setPictureMask(mask);
    field.setRangeHigh(1);
    field.setDisplayText(text);
    EXPECT_EQ(field.checkValue().code, EntryError::OutOfRange);
    field.setDataType(TNumericDataType::nftReal);
    field.setPictureMask(mask);
    field.setRangeHigh(1);
    field.setDisplayText(text);
    EXPECT_EQ(field.checkValue().code, EntryError::Valid);
    EXPECT_EQ(field.checkValue().value, 1.0L);
}

TEST_F(ProgramField, ValidateRelaysAValidValueAsACheck)
{
    field.setDisplayText(u"       1.23456"_s);
    field.transfers = 0;
    EXPECT_EQ(field.validate(false), EntryError::Valid);
    EXPECT_EQ(field.DisplayText(), u"       1.23456"_s);
    EXPECT_EQ(field.validate(true), EntryError::Valid);
    EXPECT_EQ(field.DisplayText(), u"          1.23"_s);
    EXPECT_EQ(field.transfersDuringCheck, 1);
    EXPECT_EQ(field.transfers, 0);

    field.setDisplayText(u"  -.-"_s);
    EXPECT_EQ(field.validate(true), EntryError::NotANumber);
    EXPECT_EQ(field.LastErrorCode(), EntryError::NotANumber);
    EXPECT_EQ(field.DisplayText(), u"  -.-"_s);
}

TEST_F(ProgramField, RequiredFieldMustNotBeBlank)
{
    field.setInputRequired(true);
    field.setDisplayText(u"           .  "_s);
    EXPECT_TRUE(field.isBlank());
    EXPECT_EQ(field.validate(true), EntryError::Required);
    field.setFloatValue(0);
    EXPECT_FALSE(field.isBlank());
    EXPECT_EQ(field.validate(true), EntryError::Valid);
}

TEST_F(ProgramField, WritingAValueNotifiesTheWidgetLayer)
{
    field.transfers = 0;
    field.setFloatValue(5);
    field.setPictureMask(rateMask);
    EXPECT_EQ(field.transfers, 2);
    EXPECT_EQ(field.transfersDuringCheck, 0);
}

TEST_F(ProgramField, ChangingTheMaskKeepsTheValue)
{
    field.setFloatValue(12.5);
    field.setPictureMask(rateMask);
    EXPECT_EQ(field.DisplayText(), u" 12.5000"_s);
    EXPECT_EQ(field.FloatValue(), 12.5);
    field.setPictureMask(QString());
    EXPECT_EQ(field.PictureMask(), rateMask);
    EXPECT_THROW(field.setPictureMask(QString(256, u'#')), EInvalidPictureMask);
    EXPECT_EQ(field.PictureMask(), rateMask);
    EXPECT_EQ(field.DisplayText(), u" 12.5000"_s);
}

TEST_F(ProgramField, WritingAnIntegerFieldThrowsAndChangesNothing)
{
    field.setDataType(TNumericDataType::nftWord);
    field.setDisplayText(u"  123"_s);
    try {
        field.setFloatValue(7);
        FAIL() << "no exception";
    } catch (const EInvalidDataType &e) {
        EXPECT_EQ(e.message(), u"Invalid data type for this field"_s);
    }
    EXPECT_EQ(field.DisplayText(), u"  123"_s);
    EXPECT_EQ(field.FloatValue(), 123.0);
}

TEST_F(ProgramField, DataTypeOutsideTheEnumerationThrows)
{
    field.setFloatValue(42);
    try {
        field.setDataType(static_cast<TNumericDataType>(10));
        FAIL() << "no exception";
    } catch (const EOvcException &e) {
        EXPECT_EQ(e.message(), u"Parameter value is invalid"_s);
    }
    EXPECT_THROW(field.setDataType(static_cast<TNumericDataType>(-1)), EOvcException);
    EXPECT_EQ(field.DataType(), TNumericDataType::nftDouble);
    EXPECT_EQ(field.PictureMask(), moneyMask);
    EXPECT_EQ(field.FloatValue(), 42.0);
}

TEST_F(ProgramField, SettingTheSameTypeKeepsTheMask)
{
    field.setDataType(TNumericDataType::nftDouble);
    EXPECT_EQ(field.PictureMask(), moneyMask);
}

TEST_F(ProgramField, TypesNarrowTheWrittenValue)
{
    field.setDataType(TNumericDataType::nftComp);
    field.setFloatValue(2.6);
    EXPECT_EQ(field.DisplayText(), u"         3"_s);
    EXPECT_EQ(field.FloatValue(), 3.0);

    field.setDataType(TNumericDataType::nftSingle);
    field.setPictureMask(rateMask);
    field.setFloatValue(0.1);
    EXPECT_EQ(field.DisplayText(), u"  0.1000"_s);
    EXPECT_EQ(field.FloatValue(), static_cast<double>(0.1f));
    // Too large for single precision: not a number the field can hold.
    field.setFloatValue(1e39);
    EXPECT_EQ(field.DisplayText(), u"***.****"_s);
    EXPECT_EQ(field.FloatValue(), 0.0);

    field.setDataType(TNumericDataType::nftExtended);
    field.setPictureMask(moneyMask);
    field.setFloatValue(0.1);
    EXPECT_EQ(field.FloatValue(), 0.1);
}

TEST_F(ProgramField, IntegerTypeRejectsValuesBeyondItsType)
{
    field.setDataType(TNumericDataType::nftLongInt);
    field.setDisplayText(u" 2147483648"_s);
    EXPECT_EQ(field.FloatValue(), 0.0);
    EXPECT_EQ(field.LastErrorCode(), EntryError::OutOfRange);
    field.setRangeHigh(1e12L);
    EXPECT_EQ(field.FloatValue(), 0.0);
    EXPECT_EQ(field.LastErrorCode(), EntryError::NotANumber);
    field.setDisplayText(u"-2147483648"_s);
    EXPECT_EQ(field.FloatValue(), -2147483648.0);
}

TEST_F(ProgramField, RangeAsText)
{
    field.setRangeHi(u"1000.5"_s);
    field.setRangeLo(u"-.5"_s);
    EXPECT_EQ(field.RangeHigh(), 1000.5L);
    EXPECT_EQ(field.RangeLow(), -0.5L);
    EXPECT_EQ(field.RangeHi(), u"1000.5"_s);
    for (const QString &bad : { u""_s, u"abc"_s, u"1e309"_s, u"nan"_s, u"1..2"_s }) {
        EXPECT_THROW(field.setRangeHi(bad), EInvalidRangeValue) << bad.toStdString();
        EXPECT_EQ(field.RangeHigh(), 1000.5L);
    }
    field.setDataType(TNumericDataType::nftWord);
    EXPECT_EQ(field.RangeLo(), u"0"_s);
    EXPECT_EQ(field.RangeHi(), u"65535"_s);
    EXPECT_THROW(field.setRangeHi(u"65536"_s), EInvalidRangeValue);
    EXPECT_THROW(field.setRangeHi(u"12.5"_s), EInvalidRangeValue);
    field.setRangeHi(u"500"_s);
    EXPECT_EQ(field.RangeHigh(), 500);
}

namespace {

struct TypeRow
{
    const char *name;
    TNumericDataType type;
    const char16_t *mask;
    const char16_t *rangeMessage;
};

LW_PRINT_ROW_NAME(TypeRow)

class EachType : public testing::TestWithParam<TypeRow>
{
protected:
    TOvcIntlSup intl;
    NumericFieldModel field{ intl };
};

TEST_P(EachType, InstallsItsMaskAndNamesItsRange)
{
    const TypeRow &row = GetParam();
    // Start from another type: setting the current one again changes nothing.
    field.setDataType(row.type == TNumericDataType::nftDouble ? TNumericDataType::nftWord
                                                              : TNumericDataType::nftDouble);
    field.setPictureMask(u"##"_s);
    field.setDataType(row.type);
    EXPECT_EQ(field.PictureMask(), QString::fromUtf16(row.mask));
    const long double low = field.RangeLow();
    try {
        field.setRangeLo(u"x"_s);
        FAIL() << "no exception";
    } catch (const EInvalidRangeValue &e) {
        EXPECT_EQ(e.message(), QString::fromUtf16(row.rangeMessage));
    }
    EXPECT_EQ(field.RangeLow(), low);
}

INSTANTIATE_TEST_SUITE_P(Types, EachType,
        testing::Values(
                TypeRow{ "LongInt", TNumericDataType::nftLongInt, u"iiiiiiiiiii",
                        u"Invalid range. Enter a value between (-2147483648) and (2147483647)" },
                TypeRow{ "Word", TNumericDataType::nftWord, u"99999",
                        u"Invalid range. Enter a value between (0) and (65535)" },
                TypeRow{ "Integer", TNumericDataType::nftInteger, u"iiiiii",
                        u"Invalid range. Enter a value between (-32768) and (32767)" },
                TypeRow{ "Byte", TNumericDataType::nftByte, u"999",
                        u"Invalid range. Enter a value between (0) and (255)" },
                TypeRow{ "ShortInt", TNumericDataType::nftShortInt, u"iiii",
                        u"Invalid range. Enter a value between (-128) and (127)" },
                TypeRow{ "Real", TNumericDataType::nftReal, u"##########",
                        u"Invalid range. Enter a value between (-1.7e+38) and (+1.7e+38)" },
                TypeRow{ "Extended", TNumericDataType::nftExtended, u"##########",
                        u"Invalid range. Enter a value between (-1.1e+4932) and (+1.1e+4932)" },
                TypeRow{ "Double", TNumericDataType::nftDouble, u"##########",
                        u"Invalid range. Enter a value between (-1.7e+308) and (+1.7e+308)" },
                TypeRow{ "Single", TNumericDataType::nftSingle, u"##########",
                        u"Invalid range. Enter a value between (-3.4e+38) and (+3.4e+38)" },
                TypeRow{ "Comp", TNumericDataType::nftComp, u"iiiiiiiiii",
                        u"Invalid range. Enter a value between (-9.2e+18) and (+9.2e+18)" }),
        [](const testing::TestParamInfo<TypeRow> &row) {
            return std::string(row.param.name);
        });

struct RoundTripRow
{
    const char *name;
    const char16_t *mask;
    int decimals;
    long long largest; // in units of the last decimal
    long long smallest;
};

LW_PRINT_ROW_NAME(RoundTripRow)

class RoundTrip : public testing::TestWithParam<RoundTripRow>
{
};

// Every value with the mask's decimals inside its capacity shows as the US locale writes it and
// reads back as the same double.
TEST_P(RoundTrip, RandomValuesReadBackUnchanged)
{
    const RoundTripRow &row = GetParam();
    const TOvcIntlSup intl;
    NumericFieldModel field(intl);
    field.setDataType(TNumericDataType::nftDouble);
    field.setPictureMask(QString::fromUtf16(row.mask));
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<long long> units(row.smallest, row.largest);
    const double scale = std::pow(10.0, row.decimals);
    for (int i = 0; i < 5000; ++i) {
        const double value = static_cast<double>(units(random)) / scale;
        field.setFloatValue(value);
        ASSERT_EQ(field.DisplayText().trimmed(), us.toString(value, 'f', row.decimals)) << value;
        ASSERT_EQ(field.FloatValue(), value) << field.DisplayText().toStdString();
        ASSERT_EQ(field.LastErrorCode(), EntryError::Valid);
    }
}

INSTANTIATE_TEST_SUITE_P(Masks, RoundTrip,
        testing::Values(
                // Nine integer digits, eight when the sign takes a position.
                RoundTripRow{ "Money", u"###,###,###.##", 2, 99999999999LL, -9999999999LL },
                RoundTripRow{ "Rate", u"###.####", 4, 9999999LL, -999999LL }),
        [](const testing::TestParamInfo<RoundTripRow> &row) {
            return std::string(row.param.name);
        });

} // namespace
