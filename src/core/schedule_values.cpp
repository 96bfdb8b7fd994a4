#include "core/schedule_values.h"

#include <algorithm>
#include <iterator>

#include "core/one_time_extras.h"
#include "core/value_text.h"
#include "platform/profile_file.h"

namespace lw::core {

namespace {

// Apart from the calculator's sections, so those keep exactly the entries they always had.
const QString Section = QStringLiteral("ScheduleValues");
const QString MonthlyExtra = QStringLiteral("MonthlyExtra");
const QString MonthlyExtraFrom = QStringLiteral("MonthlyExtraFrom");
const QString OneTimeExtras = QStringLiteral("OneTimeExtras");
const QString FirstPayment = QStringLiteral("FirstPayment");
const QString View = QStringLiteral("View");
const QString WindowLeft = QStringLiteral("WindowLeft");
const QString WindowTop = QStringLiteral("WindowTop");
const QString WindowWidth = QStringLiteral("WindowWidth");
const QString WindowHeight = QStringLiteral("WindowHeight");
const QString MonthFormat = QStringLiteral("yyyy-MM"); // ISO year and month

constexpr int Views = 3;

// Empty unless all four numbers read and the size is positive.
template <typename Read>
QRect readWindow(const Read &read)
{
    const auto left = parseInteger(read(WindowLeft));
    const auto top = parseInteger(read(WindowTop));
    const auto width = parseInteger(read(WindowWidth));
    const auto height = parseInteger(read(WindowHeight));
    if (!left || !top || !width || !height || *width <= 0 || *height <= 0)
        return {};
    return { *left, *top, *width, *height };
}

} // namespace

ScheduleValues loadScheduleValues(
        const QString &path, const platform::FileStore &files, const platform::LocaleInfo &locale)
{
    const platform::ProfileFile profile(files.read(path).bytes); // empty unless it was read
    const auto read = [&profile](const QString &key) {
        return profile.readString(Section, key, {});
    };
    ScheduleValues v;
    const auto monthly = parseFloat(read(MonthlyExtra), locale);
    const auto cents = monthly && *monthly >= 0 ? toCents(*monthly) : std::nullopt;
    v.extras.monthly = cents.value_or(0);
    v.extras.monthlyFrom = std::max(1, parseInteger(read(MonthlyExtraFrom)).value_or(1));
    v.oneTimeText = read(OneTimeExtras);
    v.extras.oneTime = readableExtras(oneTimeEntries(v.oneTimeText, locale));
    v.firstPayment = QDate::fromString(read(FirstPayment), MonthFormat);
    const int view = parseInteger(read(View)).value_or(0);
    v.view = view >= 0 && view < Views ? view : 0;
    v.window = readWindow(read);
    return v;
}

bool writeScheduleValues(platform::ProfileFile &settings, const ScheduleValues &v,
        const platform::LocaleInfo &locale)
{
    const std::pair<const QString &, QString> entries[] = {
        { MonthlyExtra, floatText(toAmount(v.extras.monthly), locale) },
        { MonthlyExtraFrom, QString::number(v.extras.monthlyFrom) },
        { OneTimeExtras, v.oneTimeText },
        { FirstPayment, v.firstPayment.toString(MonthFormat) },
        { View, QString::number(v.view) },
        { WindowLeft, QString::number(v.window.left()) },
        { WindowTop, QString::number(v.window.top()) },
        { WindowWidth, QString::number(v.window.width()) },
        { WindowHeight, QString::number(v.window.height()) },
    };
    return std::all_of(std::begin(entries), std::end(entries), [&settings](const auto &entry) {
        return settings.writeString(Section, entry.first, entry.second);
    });
}

} // namespace lw::core
