#include "core/value_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace lw::core {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isHexDigit(QChar c)
{
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// The decimal digits starting at `pos`, appended to `out` as ASCII.
qsizetype takeDigits(QStringView text, qsizetype pos, std::string &out)
{
    while (pos < text.size() && isDigit(text[pos]))
        out += static_cast<char>(text[pos++].unicode());
    return pos;
}

// A sign at `pos`, if any: true for a minus.
bool takeSign(QStringView text, qsizetype &pos)
{
    if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'+'))
        return text[pos++] == u'-';
    return false;
}

long long clampedValue(const std::string &digits)
{
    constexpr long long Limit = 1'000'000; // far beyond any double's exponent
    long long value = 0;
    for (size_t i = 0; i < digits.size() && value < Limit; ++i)
        value = value * 10 + (digits[i] - '0');
    return value;
}

// A decimal number in ASCII for from_chars, with the power of ten of its first nonzero
// digit: from_chars reports an overflow and an underflow alike, this tells them apart.
struct DecimalNumber
{
    std::string ascii;
    long long magnitude = 0;
};

std::optional<DecimalNumber> decimalNumber(QStringView text, const QString &separator)
{
    DecimalNumber n;
    qsizetype pos = 0;
    if (takeSign(text, pos))
        n.ascii += '-';
    std::string digits;
    pos = takeDigits(text, pos, digits);
    const auto point = static_cast<long long>(digits.size());
    if (!separator.isEmpty() && text.mid(pos).startsWith(separator))
        pos = takeDigits(text, pos + separator.size(), digits);
    if (digits.empty())
        return std::nullopt;
    n.ascii += digits.substr(0, size_t(point)) + '.' + digits.substr(size_t(point));
    const size_t first = digits.find_first_not_of('0');
    n.magnitude = first == std::string::npos ? 0 : point - static_cast<long long>(first) - 1;
    if (pos < text.size() && (text[pos] == u'e' || text[pos] == u'E')) {
        const bool negative = takeSign(text, ++pos);
        std::string exponent;
        pos = takeDigits(text, pos, exponent);
        if (exponent.empty())
            return std::nullopt;
        n.ascii += (negative ? "e-" : "e") + exponent;
        n.magnitude += negative ? -clampedValue(exponent) : clampedValue(exponent);
    }
    if (pos != text.size())
        return std::nullopt;
    return n;
}

QStringView withoutBlanks(QStringView text)
{
    while (!text.isEmpty() && text.front() == u' ')
        text = text.mid(1);
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text;
}

} // namespace

QString floatText(double value, const platform::LocaleInfo &locale)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0) // also -0, which the general format has no sign for
        return QStringLiteral("0");
    char buffer[32];
    const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    const std::string_view digits(buffer, static_cast<size_t>(result.ptr - buffer));
    const auto e = digits.find('e');
    QString text = QString::fromLatin1(digits.substr(0, e));
    text.replace(u'.', locale.decimalSeparator);
    if (e != std::string_view::npos) {
        int exponent = 0;
        const auto from = digits.data() + e + (digits[e + 1] == '+' ? 2 : 1);
        std::from_chars(from, digits.data() + digits.size(), exponent);
        text += u'E' + QString::number(exponent);
    }
    return text;
}

std::optional<double> parseFloat(QStringView text, const platform::LocaleInfo &locale)
{
    const auto number = decimalNumber(withoutBlanks(text), locale.decimalSeparator);
    if (!number)
        return std::nullopt;
    const std::string &ascii = number->ascii;
    double value = 0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (result.ec == std::errc::result_out_of_range && number->magnitude < 0)
        return ascii.front() == '-' ? -0.0 : 0.0; // too small to hold: it is zero
    if (result.ec != std::errc())
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> parseInteger(QStringView text)
{
    std::string digits;
    int base = 10;
    qsizetype pos = 0;
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        base = 16;
        for (pos = 2; pos < text.size() && isHexDigit(text[pos]); ++pos)
            digits += static_cast<char>(text[pos].unicode());
    } else {
        if (takeSign(text, pos))
            digits += '-';
        pos = takeDigits(text, pos, digits);
    }
    std::int32_t value = 0;
    const auto end = digits.data() + digits.size();
    const auto result = std::from_chars(digits.data(), end, value, base);
    if (pos != text.size() || result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

} // namespace lw::core
