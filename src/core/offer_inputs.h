#pragma once

#include <QString>
#include <QStringView>

#include "core/offer_comparison.h"
#include "platform/locale_info.h"

namespace lw::core {

/// What an offer's column lets the buyer type, top to bottom.
enum class OfferInput {
    Name,
    Rate,
    Years,
    Points,
    LenderFees,
    DownPayment,
    // The calculator's or the schedule's unless the offer gives its own.
    Price,
    AnnualTaxes,
    AnnualInsurance,
    MortgageInsuranceRate,
    MonthlyHoa,
};

constexpr int OfferInputCount = 11;

QString offerInputLabel(OfferInput input);

/// The value a column's loan has for the input: shown in the locale's formats, or as typed
/// for editing (no currency sign or grouping).
QString offerInputText(const LoanScenario &scenario, OfferInput input,
        const platform::LocaleInfo &locale, bool forEditing);

/// Whether the offer gives its own value where the calculator's would be used.
bool overrides(const Offer &offer, OfferInput input);

/// Takes typed text into the offer; false, leaving it unchanged, for text that is not a
/// value the input can hold. An empty text gives an overridable input back to the
/// calculator's value.
bool setOfferInput(
        Offer &offer, OfferInput input, QStringView text, const platform::LocaleInfo &locale);

} // namespace lw::core
