#include "core/offer_inputs.h"

#include <array>
#include <cmath>

#include "core/money_text.h"
#include "core/value_text.h"

namespace lw::core {

namespace {

enum class Kind { Text, Percent, Years, Money };

struct InputKind
{
    const char *label;
    Kind kind;
};

// In the order of OfferInput.
constexpr std::array<InputKind, OfferInputCount> Kinds{ {
        { "Name", Kind::Text },
        { "Rate (%)", Kind::Percent },
        { "Term (years)", Kind::Years },
        { "Points (% of the loan)", Kind::Percent },
        { "Lender fees", Kind::Money },
        { "Down payment", Kind::Money },
        { "Price", Kind::Money },
        { "Annual taxes", Kind::Money },
        { "Annual insurance", Kind::Money },
        { "Mortgage insurance (% a year)", Kind::Percent },
        { "HOA dues a month", Kind::Money },
} };

// No rate, point or premium a lender offers comes near this.
constexpr std::int64_t MaxPercent = 100 * RateScale;

const InputKind &kindOf(OfferInput input)
{
    return Kinds[static_cast<std::size_t>(input)];
}

std::int64_t numberOf(const LoanScenario &s, OfferInput input)
{
    switch (input) {
    case OfferInput::Rate:
        return s.rate;
    case OfferInput::Years:
        return s.payments / 12;
    case OfferInput::Points:
        return s.points;
    case OfferInput::LenderFees:
        return s.lenderFees;
    case OfferInput::DownPayment:
        return s.downPayment;
    case OfferInput::Price:
        return s.price;
    case OfferInput::AnnualTaxes:
        return s.annualTaxes;
    case OfferInput::AnnualInsurance:
        return s.annualInsurance;
    case OfferInput::MortgageInsuranceRate:
        return s.mortgageInsuranceRate;
    case OfferInput::MonthlyHoa:
        return s.monthlyHoa;
    case OfferInput::Name:
        break;
    }
    return 0;
}

// The typed number in the input's own unit: cents, scaled percent or years.
std::optional<std::int64_t> parsed(Kind kind, QStringView text, const platform::LocaleInfo &locale)
{
    const auto value = parseFloat(text, locale);
    if (!value || *value < 0)
        return std::nullopt;
    if (kind == Kind::Years) {
        const double years = *value;
        if (years != std::floor(years) || years < MinOfferYears || years > MaxOfferYears)
            return std::nullopt;
        return static_cast<std::int64_t>(years);
    }
    if (kind == Kind::Money)
        return toCents(*value);
    const auto scaled = toScaledRate(*value);
    return scaled && *scaled < MaxPercent ? scaled : std::nullopt;
}

bool assign(Offer &offer, OfferInput input, std::optional<std::int64_t> value)
{
    switch (input) {
    case OfferInput::Rate:
        offer.rate = *value;
        return true;
    case OfferInput::Years:
        offer.years = static_cast<int>(*value);
        return true;
    case OfferInput::Points:
        offer.points = *value;
        return true;
    case OfferInput::LenderFees:
        offer.lenderFees = *value;
        return true;
    case OfferInput::DownPayment:
        offer.downPayment = *value;
        return true;
    case OfferInput::Price:
        offer.price = value;
        return true;
    case OfferInput::AnnualTaxes:
        offer.annualTaxes = value;
        return true;
    case OfferInput::AnnualInsurance:
        offer.annualInsurance = value;
        return true;
    case OfferInput::MortgageInsuranceRate:
        offer.mortgageInsuranceRate = value;
        return true;
    case OfferInput::MonthlyHoa:
        offer.monthlyHoa = value;
        return true;
    case OfferInput::Name:
        break;
    }
    return false;
}

} // namespace

QString offerInputLabel(OfferInput input)
{
    return QString::fromLatin1(kindOf(input).label);
}

QString offerInputText(const LoanScenario &scenario, OfferInput input,
        const platform::LocaleInfo &locale, bool forEditing)
{
    const Kind kind = kindOf(input).kind;
    const std::int64_t n = numberOf(scenario, input);
    if (kind == Kind::Years || kind == Kind::Text)
        return kind == Kind::Years ? QString::number(n) : QString();
    const double amount = kind == Kind::Money
            ? toAmount(n)
            : static_cast<double>(n) / static_cast<double>(RateScale);
    if (forEditing)
        return floatText(amount, locale);
    return kind == Kind::Money ? money(amount, locale) : floatText(amount, locale) + u" %";
}

bool overrides(const Offer &offer, OfferInput input)
{
    switch (input) {
    case OfferInput::Price:
        return offer.price.has_value();
    case OfferInput::AnnualTaxes:
        return offer.annualTaxes.has_value();
    case OfferInput::AnnualInsurance:
        return offer.annualInsurance.has_value();
    case OfferInput::MortgageInsuranceRate:
        return offer.mortgageInsuranceRate.has_value();
    case OfferInput::MonthlyHoa:
        return offer.monthlyHoa.has_value();
    default:
        return true;
    }
}

bool setOfferInput(
        Offer &offer, OfferInput input, QStringView text, const platform::LocaleInfo &locale)
{
    if (input == OfferInput::Name) {
        const QString name = text.trimmed().toString();
        // A line break could not be kept in the settings file.
        if (name.isEmpty() || name.contains(u'\n') || name.contains(u'\r'))
            return false;
        offer.name = name;
        return true;
    }
    const bool overridable = input >= OfferInput::Price;
    if (overridable && text.trimmed().isEmpty())
        return assign(offer, input, std::nullopt);
    const auto value = parsed(kindOf(input).kind, text, locale);
    return value && assign(offer, input, value);
}

} // namespace lw::core
