#pragma once

#include "core/calculation_pass.h"
#include "support/core_doubles.h"
#include "widgets/numeric/numeric_field_model.h"

namespace lw::test {

/// The calculator page without a window: the eight numeric fields configured as the program
/// configures them, the term buttons and the summary lines.
struct CalculatorPage
{
    explicit CalculatorPage(const numeric::TOvcIntlSup &intl)
        : salesPrice(intl)
        , downPayment(intl)
        , actualLoan(intl)
        , interestRate(intl)
        , annualTaxes(intl)
        , annualInsurance(intl)
        , monthlyPI(intl)
        , monthlyPITI(intl)
    {
        for (numeric::NumericFieldModel *field : { &salesPrice, &downPayment, &actualLoan,
                     &annualTaxes, &annualInsurance, &monthlyPI, &monthlyPITI })
            configure(*field, QStringLiteral("###,###,###.##"));
        configure(interestRate, QStringLiteral("###.####"));
    }

    core::CalculatorControls controls()
    {
        return { salesPrice, downPayment, actualLoan, interestRate, annualTaxes, annualInsurance,
            monthlyPI, monthlyPITI, rb15, rb20, rb30, summary1, summary2, summary3 };
    }

    numeric::NumericFieldModel salesPrice, downPayment, actualLoan, interestRate, annualTaxes,
            annualInsurance, monthlyPI, monthlyPITI;
    FakeButton rb15, rb20, rb30;
    FakeLabel summary1, summary2, summary3;

private:
    static void configure(numeric::NumericFieldModel &field, const QString &mask)
    {
        field.setDataType(numeric::TNumericDataType::nftDouble); // the type installs its mask,
        field.setPictureMask(mask); // so the mask comes second
        field.setRangeLow(-1.7e308);
        field.setRangeHigh(1.7e308);
    }
};

} // namespace lw::test
