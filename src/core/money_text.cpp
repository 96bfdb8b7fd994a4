#include "core/money_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace lw::core {

namespace {

constexpr int ScientificDigits = 10;
constexpr long double CentsLimit = 1e12L; // 10 integer digits and two decimals

// A locale's separator is its first character, as the profile settings are read.
QString firstCharacter(const QString &text)
{
    return platform::leadingCharacters(text, 1);
}

std::string fixedDigits(long double value, int decimals)
{
    char buffer[400];
    const auto result = std::to_chars(
            buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

QString grouped(const std::string &digits, const QString &separator)
{
    QString text;
    const auto count = static_cast<qsizetype>(digits.size());
    for (qsizetype i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0)
            text += separator;
        text += QLatin1Char(digits[static_cast<size_t>(i)]);
    }
    return text;
}

QString positivePattern(int format, const QString &number, const QString &symbol)
{
    switch (format) {
    case 1:
        return number + symbol;
    case 2:
        return symbol + u' ' + number;
    case 3:
        return number + u' ' + symbol;
    default:
        return symbol + number;
    }
}

QString negativePattern(int format, const QString &n, const QString &s)
{
    switch (format) {
    case 1:
        return u'-' + s + n;
    case 2:
        return s + u'-' + n;
    case 3:
        return s + n + u'-';
    case 4:
        return u'(' + n + s + u')';
    case 5:
        return u'-' + n + s;
    case 6:
        return n + u'-' + s;
    case 7:
        return n + s + u'-';
    case 8:
        return u'-' + n + u' ' + s;
    case 9:
        return u'-' + s + u' ' + n;
    case 10:
        return n + u' ' + s + u'-';
    case 11:
        return s + u' ' + n + u'-';
    case 12:
        return s + u' ' + u'-' + n;
    case 13:
        return n + u'-' + u' ' + s;
    case 14:
        return u'(' + s + u' ' + n + u')';
    case 15:
        return u'(' + n + u' ' + s + u')';
    default:
        return u'(' + s + n + u')';
    }
}

QString currencyText(long double cents, const platform::LocaleInfo &locale)
{
    std::string digits = fixedDigits(std::fabs(cents), 0);
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    const std::string whole = digits.substr(0, digits.size() - 2);
    const QString number = grouped(whole, firstCharacter(locale.thousandSeparator))
            + firstCharacter(locale.decimalSeparator)
            + QLatin1String(digits.data() + whole.size(), 2);
    const QString symbol = locale.currencySymbol;
    return cents < 0 ? negativePattern(locale.negativeCurrencyFormat, number, symbol)
                     : positivePattern(locale.currencyFormat, number, symbol);
}

// Rounds the exact decimal digits of |x| (x at least 1e10, so it has at most 19 binary
// fraction places and 20 decimals are exact) to ten significant digits, ties away from zero.
QString scientificText(double x, const platform::LocaleInfo &locale)
{
    const std::string exact = fixedDigits(std::fabs(static_cast<long double>(x)), 20);
    const auto point = exact.find('.');
    int exponent = static_cast<int>(point) - 1;
    std::string digits = exact.substr(0, point) + exact.substr(point + 1);
    const bool roundUp = digits[ScientificDigits] >= '5';
    digits.resize(ScientificDigits);
    if (roundUp) {
        int i = ScientificDigits - 1;
        for (; i >= 0 && digits[static_cast<size_t>(i)] == '9'; --i)
            digits[static_cast<size_t>(i)] = '0';
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            ++exponent;
        } else {
            ++digits[static_cast<size_t>(i)];
        }
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    QString text = x < 0 ? QStringLiteral("-") : QString();
    text += QLatin1Char(digits[0]);
    if (digits.size() > 1)
        text += firstCharacter(locale.decimalSeparator) + QLatin1String(digits.data() + 1);
    // The exponent is at least 10 here, so it never needs a sign.
    return text + u'E' + QString::number(exponent).rightJustified(2, u'0');
}

} // namespace

QString money(double x, const platform::LocaleInfo &locale)
{
    if (!std::isfinite(x))
        return std::isnan(x) ? QStringLiteral("NAN")
                : x < 0      ? QStringLiteral("-INF")
                             : QStringLiteral("INF");
    // x * 100 is exact in extended precision (53 + 7 bits), so the tie test sees the true value.
    const long double cents = std::round(static_cast<long double>(x) * 100);
    if (std::fabs(cents) >= CentsLimit)
        return scientificText(x, locale);
    return currencyText(cents, locale);
}

} // namespace lw::core
