#pragma once

#include "core/number_field.h"
#include "core/value_record.h"
#include "platform/locale_info.h"

namespace lw::core {

/// The controls of the calculator page that a pass reads and writes.
struct CalculatorControls
{
    NumberField &edtSalesPrice;
    NumberField &edtDownPayment;
    NumberField &edtActualLoan;
    NumberField &edtInterestRate;
    NumberField &edtAnnualTaxes;
    NumberField &edtAnnualInsurance;
    NumberField &edtMonthlyPI;
    NumberField &edtMonthlyPITI;
    TermButton &rb15;
    TermButton &rb20;
    TermButton &rb30;
    TextLabel &lblSummary1;
    TextLabel &lblSummary2;
    TextLabel &lblSummary3;
};

/// One calculation pass: reads the inputs, writes the loan, the monthly payments and the
/// summary sentences, and records inputs and results in the value record.
/// A MathError ends the pass where it arises: what was written before stays written,
/// everything after keeps its previous content.
void Calculate(ValueRecord &record, const CalculatorControls &controls,
        const platform::LocaleInfo &locale);

/// The reset steps that need no window: the factory inputs into the input fields and the
/// 30-year term (checking it may run a pass of its own in a window).
void writeFactoryInputs(const CalculatorControls &controls);

} // namespace lw::core
