#pragma once

#include "core/calculation_pass.h"
#include "support/calculator_field.h"
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
            configureCalculatorField(*field, QStringLiteral("###,###,###.##"));
        configureCalculatorField(interestRate, QStringLiteral("###.####"));
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
};

} // namespace lw::test
