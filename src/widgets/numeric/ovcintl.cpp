#include "widgets/numeric/ovcintl.h"

namespace lw::numeric {

namespace {

// Display texts hold one QChar per position, so a character outside the BMP cannot serve
// as a separator.
QChar firstCharacter(const QString &text, QChar fallback)
{
    const QString first = lw::platform::leadingCharacters(text, 1);
    return first.size() == 1 ? first.front() : fallback;
}

} // namespace

TOvcIntlSup::TOvcIntlSup()
    : TOvcIntlSup(lw::platform::LocaleInfo{})
{ }

TOvcIntlSup::TOvcIntlSup(const lw::platform::LocaleInfo &info)
    : FDecimalChar(firstCharacter(info.decimalSeparator, u'.'))
    , FThousandChar(firstCharacter(info.thousandSeparator, u','))
    , FCurrencyString(lw::platform::leadingCharacters(info.currencySymbol, MaxCurrencyLength))
    , FCurrencyFormat(info.currencyFormat)
    , FNegCurrencyFormat(info.negativeCurrencyFormat)
    , FCurrencyDigits(info.currencyDigits)
{
    // The two must differ or a display text could not be read back.
    if (FDecimalChar == FThousandChar) {
        FDecimalChar = u'.';
        FThousandChar = u',';
    }
}

} // namespace lw::numeric
