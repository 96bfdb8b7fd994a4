#include "core/calculation_pass.h"

#include <limits>

#include "core/factory_inputs.h"
#include "core/fp_check.h"
#include "core/math_error.h"
#include "core/payment.h"
#include "core/summary_text.h"

namespace lw::core {

namespace {

using Ext = long double;

constexpr std::int32_t MonthlyPeriods = 6; // period kind: twelve payments a year

void readTerm(ValueRecord &record, const CalculatorControls &c)
{
    if (c.rb15.isChecked())
        record.FTerm = 15;
    else if (c.rb20.isChecked())
        record.FTerm = 20;
    else if (c.rb30.isChecked())
        record.FTerm = 30;
}

std::int32_t paymentCount(std::int32_t termYears)
{
    const std::int64_t n = std::int64_t{ termYears } * 12;
    if (n > std::numeric_limits<std::int32_t>::max()
            || n < std::numeric_limits<std::int32_t>::min())
        throw MathError("Integer overflow");
    return static_cast<std::int32_t>(n);
}

// Each value is formed at extended width and rounded once to double, between one reset and
// one test of the status flags: storing a value beyond the double range is an overflow.
double difference(double a, double b)
{
    return checkedArithmetic([=] {
        return static_cast<double>(Ext{ a } - b);
    });
}

double product(std::int32_t n, double a)
{
    return checkedArithmetic([=] {
        return static_cast<double>(Ext{ a } * n);
    });
}

double perMonth(double annual)
{
    return checkedArithmetic([=] {
        return static_cast<double>(Ext{ annual } / 12);
    });
}

double sum(double a, double b, double c)
{
    return checkedArithmetic([=] {
        return static_cast<double>(Ext{ a } + b + c);
    });
}

TermTotals termTotals(
        std::int32_t n, double loan, double monthlyPI, double monthlyTaxes, double monthlyInsurance)
{
    const double totalPI = product(n, monthlyPI);
    TermTotals t;
    t.interest = difference(totalPI, loan);
    t.taxes = product(n, monthlyTaxes);
    t.insurance = product(n, monthlyInsurance);
    t.cost = sum(totalPI, t.taxes, t.insurance);
    return t;
}

} // namespace

void Calculate(ValueRecord &record, const CalculatorControls &c, const platform::LocaleInfo &locale)
{
    record.FSalesPrice = c.edtSalesPrice.FloatValue();
    record.FDownPayment = c.edtDownPayment.FloatValue();
    record.FInterestRate = c.edtInterestRate.FloatValue();
    readTerm(record, c);

    const double loan = difference(record.FSalesPrice, record.FDownPayment);
    c.edtActualLoan.setFloatValue(loan);
    record.FActualLoan = loan;

    const std::int32_t n = paymentCount(record.FTerm);
    const auto monthlyPI =
            static_cast<double>(CalcPayment(loan, record.FInterestRate, n, MonthlyPeriods));
    c.edtMonthlyPI.setFloatValue(monthlyPI);
    record.FMonthlyPI = monthlyPI;

    record.FAnnualTaxes = c.edtAnnualTaxes.FloatValue();
    const double monthlyTaxes = perMonth(record.FAnnualTaxes);
    record.FAnnualInsurance = c.edtAnnualInsurance.FloatValue();
    const double monthlyInsurance = perMonth(record.FAnnualInsurance);

    const double monthlyPITI = sum(monthlyPI, monthlyTaxes, monthlyInsurance);
    c.edtMonthlyPITI.setFloatValue(monthlyPITI);
    record.FMonthlyPITI = monthlyPITI;

    const TermTotals totals = termTotals(n, loan, monthlyPI, monthlyTaxes, monthlyInsurance);
    const SummarySentences sentences = summarize(record.FTerm, totals, locale);
    c.lblSummary1.setText(sentences.line1);
    c.lblSummary2.setText(sentences.line2);
    c.lblSummary3.setText(sentences.line3);
}

void writeFactoryInputs(const CalculatorControls &c)
{
    c.edtSalesPrice.setFloatValue(factory::SalesPrice);
    c.edtDownPayment.setFloatValue(factory::DownPayment);
    c.edtInterestRate.setFloatValue(factory::InterestRate);
    c.rb30.setChecked(true);
    c.edtAnnualTaxes.setFloatValue(factory::AnnualTaxes);
    c.edtAnnualInsurance.setFloatValue(factory::AnnualInsurance);
}

} // namespace lw::core
