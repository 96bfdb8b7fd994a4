#include "widgets/numeric/numeric_data_type.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

using namespace Qt::StringLiterals;

namespace lw::numeric {

namespace {

struct TypeInfo
{
    const char16_t *mask;
    long double low;
    long double high;
    const char16_t *rangeText; // nullptr: the integer message with low and high
};

constexpr long double compHigh = 9223372036854775807.0L;

// nftReal keeps the narrower limits its message announces.
constexpr TypeInfo typeInfo[] = {
    { u"iiiiiiiiiii", -2147483648.0L, 2147483647.0L, nullptr },
    { u"99999", 0.0L, 65535.0L, nullptr },
    { u"iiiiii", -32768.0L, 32767.0L, nullptr },
    { u"999", 0.0L, 255.0L, nullptr },
    { u"iiii", -128.0L, 127.0L, nullptr },
    { u"##########", -1.7e38L, 1.7e38L, u"(-1.7e+38) and (+1.7e+38)" },
    { u"##########", -LDBL_MAX, LDBL_MAX, u"(-1.1e+4932) and (+1.1e+4932)" },
    { u"##########", -DBL_MAX, DBL_MAX, u"(-1.7e+308) and (+1.7e+308)" },
    { u"##########", -FLT_MAX, FLT_MAX, u"(-3.4e+38) and (+3.4e+38)" },
    { u"iiiiiiiiii", -compHigh - 1, compHigh, u"(-9.2e+18) and (+9.2e+18)" },
};

const TypeInfo &info(TNumericDataType type)
{
    return typeInfo[static_cast<int>(type)];
}

} // namespace

bool NumericDataType::isValid(TNumericDataType type)
{
    const int value = static_cast<int>(type);
    return value >= static_cast<int>(TNumericDataType::nftLongInt)
            && value <= static_cast<int>(TNumericDataType::nftComp);
}

bool NumericDataType::isFloating(TNumericDataType type)
{
    return isValid(type) && static_cast<int>(type) >= static_cast<int>(TNumericDataType::nftReal);
}

bool NumericDataType::isWhole(TNumericDataType type)
{
    return isValid(type) && (!isFloating(type) || type == TNumericDataType::nftComp);
}

QString NumericDataType::defaultMask(TNumericDataType type)
{
    return QString::fromUtf16(info(type).mask);
}

long double NumericDataType::lowLimit(TNumericDataType type)
{
    return info(type).low;
}

long double NumericDataType::highLimit(TNumericDataType type)
{
    return info(type).high;
}

long double NumericDataType::narrow(long double value, TNumericDataType type)
{
    switch (type) {
    case TNumericDataType::nftExtended:
        return value;
    case TNumericDataType::nftReal:
    case TNumericDataType::nftDouble:
        return static_cast<double>(value);
    case TNumericDataType::nftSingle:
        return static_cast<float>(value);
    default:
        return std::nearbyint(value);
    }
}

QString NumericDataType::rangeMessage(TNumericDataType type)
{
    const TypeInfo &i = info(type);
    if (i.rangeText)
        return u"Invalid range. Enter a value between "_s + QString::fromUtf16(i.rangeText);
    return u"Invalid range. Enter a value between (%1) and (%2)"_s.arg(static_cast<qint64>(i.low))
            .arg(static_cast<qint64>(i.high));
}

} // namespace lw::numeric
