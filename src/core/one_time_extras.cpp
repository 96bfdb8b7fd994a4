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

QString entryName(const OneTimeEntry &entry)
{
    // A pasted page of text is named by its start, not repeated whole.
    constexpr qsizetype Longest = 40;
    const QString text = entry.text.size() <= Longest
            ? entry.text
            : entry.text.left(Longest - 1) + QChar(0x2026);
    return u"Entry " + QString::number(entry.position) + u", \"" + text + u"\", ";
}

} // namespace

std::vector<OneTimeEntry> oneTimeEntries(QStringView text, const platform::LocaleInfo &locale)
{
    std::vector<OneTimeEntry> entries;
    for (const QStringView pair : text.split(u';')) {
        const QStringView trimmed = pair.trimmed();
        if (trimmed.isEmpty())
            continue;
        entries.push_back({ static_cast<int>(entries.size()) + 1, trimmed.toString(),
                parsePair(trimmed, locale) });
    }
    return entries;
}

std::vector<OneTimeExtra> readableExtras(const std::vector<OneTimeEntry> &entries)
{
    std::vector<OneTimeExtra> extras;
    for (const OneTimeEntry &entry : entries)
        if (entry.extra)
            extras.push_back(*entry.extra);
    return extras;
}

QStringList oneTimeEntryNotes(const std::vector<OneTimeEntry> &entries, const Schedule &schedule)
{
    const int last = schedule.rows.empty() ? 0 : schedule.rows.back().number;
    QStringList notes;
    for (const OneTimeEntry &entry : entries) {
        if (!entry.extra)
            notes << entryName(entry) + u"is not payment=amount.";
        else if (last > 0 && entry.extra->number > last)
            notes << entryName(entry) + u"comes after the last payment (" + QString::number(last)
                            + u") and is not used.";
    }
    return notes;
}

} // namespace lw::core
