#pragma once

#include <QString>

namespace lw::numeric {

/// The number kinds a numeric field can hold, in their stored order.
enum class TNumericDataType : int {
    nftLongInt, ///< 32-bit signed
    nftWord, ///< 16-bit unsigned
    nftInteger, ///< 16-bit signed
    nftByte, ///< 8-bit unsigned
    nftShortInt, ///< 8-bit signed
    nftReal, ///< 64-bit floating
    nftExtended, ///< 80-bit floating
    nftDouble, ///< 64-bit floating
    nftSingle, ///< 32-bit floating
    nftComp, ///< 64-bit integer, written and read as a floating value
};

/// The limits and masks that belong to each data type.
class NumericDataType
{
public:
    /// True for a value inside the enumeration.
    static bool isValid(TNumericDataType type);

    /// nftReal through nftComp: the types whose value may be written as a float.
    static bool isFloating(TNumericDataType type);

    /// True for the types whose values are whole numbers (the integers and nftComp).
    static bool isWhole(TNumericDataType type);

    /// The mask a field takes when its type is set.
    static QString defaultMask(TNumericDataType type);

    /// The smallest and largest value the type holds; also the default range limits.
    static long double lowLimit(TNumericDataType type);

    static long double highLimit(TNumericDataType type);

    /// The value in the type's own precision: rounded to double or single precision, or to the
    /// nearest whole number. Values beyond a floating type's reach become infinite.
    static long double narrow(long double value, TNumericDataType type);

    /// The message that tells the user which range limits the type accepts.
    static QString rangeMessage(TNumericDataType type);
};

} // namespace lw::numeric
