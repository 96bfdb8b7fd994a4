#include "core/afford_values.h"

#include <algorithm>
#include <iterator>

#include "core/loan_scenario.h"
#include "core/value_text.h"

namespace lw::core {

namespace {

__extension__ using Wide = __int128;

// Apart from the calculator's and the schedule's sections.
const QString Section = QStringLiteral("AffordValues");

enum class Unit { Money, Percent };

// Every entry is a whole number of cents or a percentage scaled as a rate.
struct Entry
{
    QStringView key;
    Unit unit;
    std::int64_t &(*slot)(AffordInputs &);
};

const Entry Entries[] = {
    { u"MonthlyIncome", Unit::Money, [](AffordInputs &a) -> auto &{ return a.monthlyIncome;
} // namespace
} // namespace lw::core

, { u"MonthlyDebts", Unit::Money, [](AffordInputs &a) -> auto &{ return a.monthlyDebts;
}
}
, { u"DownPayment", Unit::Money, [](AffordInputs &a) -> auto &{ return a.downPayment;
}
}
, { u"FrontRatio", Unit::Percent, [](AffordInputs &a) -> auto &{ return a.frontRatio;
}
}
, { u"BackRatio", Unit::Percent, [](AffordInputs &a) -> auto &{ return a.backRatio;
}
}
, { u"TaxRate", Unit::Percent, [](AffordInputs &a) -> auto &{ return a.taxRate;
}
}
, { u"AnnualInsurance", Unit::Money, [](AffordInputs &a) -> auto &{ return a.terms.annualInsurance;
}
}
, { u"MonthlyHoa", Unit::Money, [](AffordInputs &a) -> auto &{ return a.terms.monthlyHoa;
}
}
,
        { u"MortgageInsuranceRate", Unit::Percent,
            [](AffordInputs &a) -> auto &{ return a.terms.mortgageInsuranceRate;
}
}
,
}
;

std::optional<std::int64_t> parsed(const QString &text, Unit unit, const platform::LocaleInfo &l)
{
    const auto value = parseFloat(text, l);
    if (!value || *value < 0)
        return std::nullopt;
    return unit == Unit::Money ? toCents(*value) : toScaledRate(*value);
}

QString text(std::int64_t value, Unit unit, const platform::LocaleInfo &locale)
{
    const double shown = unit == Unit::Money
            ? toAmount(value)
            : static_cast<double>(value) / static_cast<double>(RateScale);
    return floatText(shown, locale);
}

// taxes / price as a percentage scaled as a rate, ties up; 0 without a price.
std::int64_t taxShare(Cents taxes, Cents price)
{
    if (price <= 0 || taxes <= 0)
        return 0;
    const Wide twice = static_cast<Wide>(taxes) * 100 * RateScale * 2;
    return static_cast<std::int64_t>((twice + price) / (static_cast<Wide>(price) * 2));
}

} // namespace

AffordInputs affordDefaults(const ValueRecord &record)
{
    AffordInputs in;
    const std::optional<LoanScenario> calculator = calculatorScenario(record);
    if (!calculator)
        return in;
    in.downPayment = std::max(Cents{ 0 }, calculator->downPayment);
    in.taxRate = taxShare(calculator->annualTaxes, calculator->price);
    in.terms.annualInsurance = std::max(Cents{ 0 }, calculator->annualInsurance);
    in.terms.rate = calculator->rate;
    in.terms.payments = calculator->payments;
    return in;
}

AffordInputs loadAffordValues(const QString &path, const platform::FileStore &files,
        const platform::LocaleInfo &locale, const AffordInputs &defaults)
{
    const platform::ProfileFile profile(files.read(path).bytes); // empty unless it was read
    AffordInputs in = defaults;
    for (const Entry &entry : Entries) {
        const QString value = profile.readString(Section, entry.key.toString(), {});
        if (const auto read = parsed(value, entry.unit, locale))
            entry.slot(in) = *read;
    }
    return in;
}

bool writeAffordValues(platform::ProfileFile &settings, const AffordInputs &inputs,
        const platform::LocaleInfo &locale)
{
    AffordInputs values = inputs; // the slots hand out references to change
    return std::all_of(std::begin(Entries), std::end(Entries), [&](const Entry &entry) {
        return settings.writeString(
                Section, entry.key.toString(), text(entry.slot(values), entry.unit, locale));
    });
}

} // namespace lw::core
