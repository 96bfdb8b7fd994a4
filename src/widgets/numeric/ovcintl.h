#pragma once

// The locale support of the entry fields: separators and currency as fields show and parse them.

#include <QChar>
#include <QString>

#include "platform/locale_info.h"

namespace lw::numeric {

/// The locale characters numeric fields show and parse: decimal and thousands separators and
/// the currency string. One instance is shared by every field of the process.
class TOvcIntlSup
{
public:
    /// US conventions: '.', ',' and "$".
    TOvcIntlSup();

    explicit TOvcIntlSup(const lw::platform::LocaleInfo &info);

    QChar DecimalChar() const { return FDecimalChar; }

    QChar ThousandChar() const { return FThousandChar; }

    /// At most five characters.
    const QString &CurrencyString() const { return FCurrencyString; }

    int CurrencyFormat() const { return FCurrencyFormat; }

    int NegCurrencyFormat() const { return FNegCurrencyFormat; }

    int CurrencyDigits() const { return FCurrencyDigits; }

    static constexpr int MaxCurrencyLength = 5;

private:
    QChar FDecimalChar;
    QChar FThousandChar;
    QString FCurrencyString;
    int FCurrencyFormat = 0;
    int FNegCurrencyFormat = 0;
    int FCurrencyDigits = 2;
};

} // namespace lw::numeric
