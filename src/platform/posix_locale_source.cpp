#include "platform/posix_locale_source.h"

#include <climits>
#include <cwchar>
#include <string>

#include <locale.h>

namespace lw::platform {

namespace {

// Decodes a C string in the thread's multibyte encoding (UTF-8, Latin-9, EUC-JP, ...).
QString decode(const char *text)
{
    if (!text)
        return {};
    QString result;
    std::mbstate_t state{};
    const char *p = text;
    const char *end = text + std::char_traits<char>::length(text);
    while (p < end) {
        wchar_t wc = 0;
        const size_t used = std::mbrtowc(&wc, p, static_cast<size_t>(end - p), &state);
        if (used == 0 || used == static_cast<size_t>(-1) || used == static_cast<size_t>(-2))
            break;
        const char32_t cp = static_cast<char32_t>(wc);
        result += QString::fromUcs4(&cp, 1);
        p += used;
    }
    return result;
}

QString firstNonEmpty(const char *preferred, const char *fallback, const QString &def)
{
    QString text = decode(preferred);
    if (text.isEmpty())
        text = decode(fallback);
    return text.isEmpty() ? def : text;
}

bool isSet(char value)
{
    return value != CHAR_MAX;
}

// Positive pattern: symbol before or after, with or without a blank.
int currencyFormatFrom(const std::lconv &c, int def)
{
    if (!isSet(c.p_cs_precedes) || !isSet(c.p_sep_by_space))
        return def;
    const bool before = c.p_cs_precedes != 0;
    const bool blank = c.p_sep_by_space != 0;
    return before ? (blank ? 2 : 0) : (blank ? 3 : 1);
}

// Negative pattern: the sixteen classic layouts indexed by symbol place, blank and sign place.
int negativeCurrencyFormatFrom(const std::lconv &c, int def)
{
    if (!isSet(c.n_cs_precedes) || !isSet(c.n_sep_by_space) || !isSet(c.n_sign_posn)
            || c.n_sign_posn < 0 || c.n_sign_posn > 4)
        return def;
    static constexpr int table[2][2][5] = {
        { { 4, 5, 7, 6, 7 }, { 15, 8, 10, 13, 10 } }, // symbol after the number
        { { 0, 1, 3, 1, 2 }, { 14, 9, 11, 9, 12 } }, // symbol before the number
    };
    const int before = c.n_cs_precedes != 0 ? 1 : 0;
    const int blank = c.n_sep_by_space != 0 ? 1 : 0;
    return table[before][blank][static_cast<unsigned char>(c.n_sign_posn)];
}

} // namespace

LocaleInfo localeInfoFrom(const std::lconv &conv)
{
    const LocaleInfo defaults;
    LocaleInfo info;
    info.decimalSeparator =
            firstNonEmpty(conv.decimal_point, conv.mon_decimal_point, defaults.decimalSeparator);
    info.thousandSeparator =
            firstNonEmpty(conv.thousands_sep, conv.mon_thousands_sep, defaults.thousandSeparator);
    info.currencySymbol = firstNonEmpty(conv.currency_symbol, nullptr, defaults.currencySymbol);
    info.currencyFormat = currencyFormatFrom(conv, defaults.currencyFormat);
    info.negativeCurrencyFormat = negativeCurrencyFormatFrom(conv, defaults.negativeCurrencyFormat);
    info.currencyDigits = isSet(conv.frac_digits) ? conv.frac_digits : defaults.currencyDigits;
    return info;
}

LocaleInfo PosixLocaleSource::current() const
{
    return localeInfoFrom(*std::localeconv());
}

std::optional<LocaleInfo> readNamedLocale(const char *name)
{
    locale_t named = newlocale(LC_ALL_MASK, name, nullptr);
    if (!named)
        return std::nullopt;
    const locale_t previous = uselocale(named);
    LocaleInfo info = localeInfoFrom(*std::localeconv());
    uselocale(previous);
    freelocale(named);
    return info;
}

} // namespace lw::platform
