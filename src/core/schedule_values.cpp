#include "core/schedule_values.h"

#include <algorithm>
#include <array>
#include <optional>

#include "core/cents.h"
#include "core/one_time_extras.h"
#include "core/settings_merge.h"
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
const QString MortgageInsuranceRate = QStringLiteral("MortgageInsuranceRate");
const QString MonthlyHoa = QStringLiteral("MonthlyHoa");
const QString CancelOnRequest = QStringLiteral("CancelOnRequest");
const QString YearlyExtra = QStringLiteral("YearlyExtra");
const QString YearlyExtraMonth = QStringLiteral("YearlyExtraMonth");
const QString YearlyExtraFrom = QStringLiteral("YearlyExtraFrom");
const QString Biweekly = QStringLiteral("Biweekly");
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

// In the order in which they are written.
const std::array<const QString *, 16> Keys{ &MonthlyExtra, &MonthlyExtraFrom, &OneTimeExtras,
    &FirstPayment, &View, &WindowLeft, &WindowTop, &WindowWidth, &WindowHeight,
    &MortgageInsuranceRate, &MonthlyHoa, &CancelOnRequest, &YearlyExtra, &YearlyExtraMonth,
    &YearlyExtraFrom, &Biweekly };

// No rate is kept as an empty entry, as the field shows it.
QString rateText(std::int64_t rate, const platform::LocaleInfo &locale)
{
    return rate == 0
            ? QString()
            : floatText(static_cast<double>(rate) / static_cast<double>(RateScale), locale);
}

// A non-negative amount, or nullopt.
std::optional<Cents> readAmount(const QString &text, const platform::LocaleInfo &locale)
{
    const auto amount = parseFloat(text, locale);
    return amount && *amount >= 0 ? toCents(*amount) : std::nullopt;
}

std::array<QString, Keys.size()> texts(const ScheduleValues &v, const platform::LocaleInfo &locale)
{
    return { floatText(toAmount(v.extras.monthly), locale), QString::number(v.extras.monthlyFrom),
        v.oneTimeText, v.firstPayment.toString(MonthFormat), QString::number(v.view),
        QString::number(v.window.left()), QString::number(v.window.top()),
        QString::number(v.window.width()), QString::number(v.window.height()),
        rateText(v.mortgageInsuranceRate, locale), floatText(toAmount(v.monthlyHoa), locale),
        QString::number(int{ v.cancelOnRequest }),
        floatText(toAmount(v.extras.yearly.amount), locale), QString::number(v.extras.yearly.month),
        QString::number(v.extras.yearly.fromYear), QString::number(int{ v.extras.biweekly }) };
}

template <typename Read>
void readCostsAndPlans(const Read &read, const platform::LocaleInfo &locale, ScheduleValues &v)
{
    const auto rate = parseFloat(read(MortgageInsuranceRate), locale);
    const auto scaled = rate && *rate >= 0 ? toScaledRate(*rate) : std::nullopt;
    v.mortgageInsuranceRate = scaled.value_or(0);
    v.monthlyHoa = readAmount(read(MonthlyHoa), locale).value_or(0);
    v.cancelOnRequest = parseInteger(read(CancelOnRequest)).value_or(1) != 0;
    v.extras.yearly.amount = readAmount(read(YearlyExtra), locale).value_or(0);
    const int month = parseInteger(read(YearlyExtraMonth)).value_or(1);
    v.extras.yearly.month = month >= 1 && month <= 12 ? month : 1;
    v.extras.yearly.fromYear = std::max(0, parseInteger(read(YearlyExtraFrom)).value_or(0));
    v.extras.biweekly = parseInteger(read(Biweekly)).value_or(0) != 0;
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
    v.extras.monthly = readAmount(read(MonthlyExtra), locale).value_or(0);
    v.extras.monthlyFrom = std::max(1, parseInteger(read(MonthlyExtraFrom)).value_or(1));
    v.oneTimeText = read(OneTimeExtras);
    v.extras.oneTime = readableExtras(oneTimeEntries(v.oneTimeText, locale));
    v.firstPayment = QDate::fromString(read(FirstPayment), MonthFormat);
    const int view = parseInteger(read(View)).value_or(0);
    v.view = view >= 0 && view < Views ? view : 0;
    v.window = readWindow(read);
    readCostsAndPlans(read, locale, v);
    return v;
}

bool writeScheduleValues(platform::ProfileFile &settings, const ScheduleValues &values,
        const platform::LocaleInfo &locale, const ScheduleValues *asRead)
{
    const std::array<QString, Keys.size()> now = texts(values, locale);
    const auto before = asRead ? std::optional(texts(*asRead, locale)) : std::nullopt;
    for (size_t i = 0; i < Keys.size(); ++i) {
        if (!writeChanged(settings, Section, *Keys[i], now[i],
                    before ? std::optional((*before)[i]) : std::nullopt))
            return false;
    }
    return true;
}

} // namespace lw::core
