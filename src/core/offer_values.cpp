#include "core/offer_values.h"

#include <algorithm>
#include <optional>

namespace lw::core {

namespace {

const QString Section = QStringLiteral("CompareOffers");
const QString Count = QStringLiteral("Offers");
const QString Years = QStringLiteral("Years");

// Amounts in cents and rates scaled as the rate field keeps them: exact, and the same in
// every locale.
std::optional<std::int64_t> number(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    return ok && value >= 0 ? std::optional<std::int64_t>(value) : std::nullopt;
}

QString text(const std::optional<std::int64_t> &value)
{
    return value ? QString::number(*value) : QString();
}

struct Field
{
    const char *key;
    std::optional<std::int64_t> Offer::*optional = nullptr;
    std::int64_t Offer::*plain = nullptr;
};

// Every number of an offer but its term, which is an int.
const Field Fields[] = {
    { "Rate", nullptr, &Offer::rate },
    { "Points", nullptr, &Offer::points },
    { "LenderFees", nullptr, &Offer::lenderFees },
    { "DownPayment", nullptr, &Offer::downPayment },
    { "Price", &Offer::price },
    { "AnnualTaxes", &Offer::annualTaxes },
    { "AnnualInsurance", &Offer::annualInsurance },
    { "MortgageInsuranceRate", &Offer::mortgageInsuranceRate },
    { "MonthlyHoa", &Offer::monthlyHoa },
};

QString keyOf(int index, const char *name)
{
    return QStringLiteral("Offer%1%2").arg(index + 1).arg(QLatin1String(name));
}

std::optional<Offer> readOffer(const platform::ProfileFile &profile, int index)
{
    const auto read = [&](const char *name) {
        return profile.readString(Section, keyOf(index, name), {});
    };
    Offer offer;
    offer.name = read("Name");
    const auto rate = number(read("Rate"));
    if (offer.name.isEmpty() || !rate)
        return std::nullopt;
    for (const Field &field : Fields) {
        const auto value = number(read(field.key));
        if (field.plain)
            offer.*field.plain = value.value_or(0);
        else
            offer.*field.optional = value;
    }
    const auto years = number(read("Years")).value_or(30);
    offer.years = static_cast<int>(std::clamp<std::int64_t>(years, MinOfferYears, MaxOfferYears));
    return offer;
}

bool writeOffer(platform::ProfileFile &settings, const Offer &offer, int index)
{
    const auto write = [&](const char *name, const QString &value) {
        return settings.writeString(Section, keyOf(index, name), value);
    };
    bool ok = write("Name", offer.name) && write("Years", QString::number(offer.years));
    for (const Field &field : Fields)
        ok = ok
                && write(field.key,
                        field.plain ? QString::number(offer.*field.plain)
                                    : text(offer.*field.optional));
    return ok;
}

} // namespace

CompareValues loadCompareValues(const QString &path, const platform::FileStore &files)
{
    const platform::ProfileFile profile(files.read(path).bytes); // empty unless it was read
    CompareValues v;
    const auto years = number(profile.readString(Section, Years, {})).value_or(v.years);
    v.years = static_cast<int>(std::clamp<std::int64_t>(years, 1, MaxCompareYears));
    const auto count = number(profile.readString(Section, Count, {})).value_or(0);
    for (int i = 0; i < std::min<std::int64_t>(count, MaxOffers); ++i)
        if (const auto offer = readOffer(profile, i))
            v.offers.push_back(*offer);
    return v;
}

bool writeCompareValues(platform::ProfileFile &settings, const CompareValues &values)
{
    const int count = static_cast<int>(std::min<std::size_t>(values.offers.size(), MaxOffers));
    bool ok = settings.writeString(Section, Count, QString::number(count))
            && settings.writeString(Section, Years, QString::number(values.years));
    for (int i = 0; i < count && ok; ++i)
        ok = writeOffer(settings, values.offers[static_cast<std::size_t>(i)], i);
    return ok;
}

} // namespace lw::core
