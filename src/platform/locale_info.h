#pragma once

#include <QString>

namespace lw::platform {

/// The user's number and currency conventions, one field per setting of the classic
/// international profile; each default is the US value used when the locale says nothing.
struct LocaleInfo
{
    QString decimalSeparator = QStringLiteral("."); // sDecimal
    QString thousandSeparator = QStringLiteral(","); // sThousand
    QString currencySymbol = QStringLiteral("$"); // sCurrency
    int currencyFormat = 0; // iCurrency: positive pattern 0..3
    int negativeCurrencyFormat = 0; // iNegCurr: negative pattern 0..15
    int currencyDigits = 2; // iCurrDigits

    bool operator==(const LocaleInfo &) const = default;
};

/// The first `count` characters of a locale text, counted in code points so that a
/// surrogate pair is never split (settings like sDecimal are read as their first character).
QString leadingCharacters(const QString &text, int count);

} // namespace lw::platform
