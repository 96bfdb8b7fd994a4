#include "core/one_time_extras.h"

#include "core/value_text.h"

namespace lw::core {

namespace {

std::optional<OneTimeExtra> parsePair(QStringView pair, const platform::LocaleInfo &locale)
{
    const qsizetype equals = pair.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    bool isNumber = false;
    const int number = pair.left(equals).trimmed().toInt(&isNumber);
    const auto amount = parseFloat(pair.mid(equals + 1), locale);
    if (!isNumber || number < 1 || !amount || *amount < 0)
        return std::nullopt;
    const auto cents = toCents(*amount);
    if (!cents)
        return std::nullopt;
    return OneTimeExtra{ number, *cents };
}

} // namespace

std::optional<std::vector<OneTimeExtra>> parseOneTimeExtras(
        QStringView text, const platform::LocaleInfo &locale)
{
    std::vector<OneTimeExtra> extras;
    for (const QStringView pair : text.split(u';')) {
        if (pair.trimmed().isEmpty())
            continue;
        const auto extra = parsePair(pair, locale);
        if (!extra)
            return std::nullopt;
        extras.push_back(*extra);
    }
    return extras;
}

QString oneTimeExtrasText(
        const std::vector<OneTimeExtra> &extras, const platform::LocaleInfo &locale)
{
    QStringList pairs;
    for (const OneTimeExtra &extra : extras)
        pairs << QString::number(extra.number) + u'=' + floatText(toAmount(extra.amount), locale);
    return pairs.join(QStringLiteral("; "));
}

} // namespace lw::core
