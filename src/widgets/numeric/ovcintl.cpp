#include "widgets/numeric/ovcintl.h"

namespace lw::numeric {

namespace {

// Display texts hold one QChar per position, so a character outside the BMP cannot serve
// as a separator.
QChar firstCharacter(const QString &text, QChar fallback)
{
    if (text.isEmpty() || text.front().isSurrogate())
        return fallback;
    return text.front();
}

// Cuts after whole characters so that a surrogate pair is never split.
QString firstCharacters(const QString &text, int count)
{
    qsizetype end = 0;
    for (int taken = 0; taken < count && end < text.size(); ++taken) {
        const bool pair = text.at(end).isHighSurrogate() && end + 1 < text.size()
                && text.at(end + 1).isLowSurrogate();
        end += pair ? 2 : 1;
    }
    return text.left(end);
}

} // namespace

TOvcIntlSup::TOvcIntlSup()
    : TOvcIntlSup(lw::platform::LocaleInfo{})
{ }

TOvcIntlSup::TOvcIntlSup(const lw::platform::LocaleInfo &info)
    : FDecimalChar(firstCharacter(info.decimalSeparator, u'.'))
    , FThousandChar(firstCharacter(info.thousandSeparator, u','))
    , FCurrencyString(firstCharacters(info.currencySymbol, MaxCurrencyLength))
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
