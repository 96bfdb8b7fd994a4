#include "core/afford_values.h"

#include <gtest/gtest.h>

#include "support/recording_file_store.h"

using lw::core::AffordInputs;

namespace {

const QString Path = QStringLiteral("/home/u/.config/Ferrowind/Loanwright/lwcalc.ini");

TEST(AffordValues, ReadBackAsWrittenAnUnreadableEntryKeepingTheDefault)
{
    AffordInputs chosen;
    chosen.monthlyIncome = 812550;
    chosen.monthlyDebts = 45000;
    chosen.downPayment = 6000000;
    chosen.frontRatio = 310000;
    chosen.backRatio = 430000;
    chosen.taxRate = 12500;
    chosen.terms.annualInsurance = 145000;
    chosen.terms.monthlyHoa = 12000;
    chosen.terms.mortgageInsuranceRate = 5500;
    lw::platform::LocaleInfo comma;
    comma.decimalSeparator = QStringLiteral(",");
    lw::platform::ProfileFile settings("[LastValues]\nterm=15\n");
    ASSERT_TRUE(lw::core::writeAffordValues(settings, chosen, comma));
    lw::test::RecordingFileStore files;
    files.files[Path] = settings.toBytes().replace("MonthlyHoa=120", "MonthlyHoa=-120");
    AffordInputs defaults;
    defaults.terms.monthlyHoa = 777;
    AffordInputs expected = chosen;
    expected.terms.monthlyHoa = 777;
    EXPECT_EQ(lw::core::loadAffordValues(Path, files, comma, defaults), expected);
}

TEST(AffordValues, DefaultsTakeTheCalculatorsTaxesAsAShareOfItsPrice)
{
    lw::core::ValueRecord calculator;
    calculator.FSalesPrice = 240000;
    calculator.FDownPayment = 48000;
    calculator.FAnnualTaxes = 3000; // 1.25 % of the price
    calculator.FAnnualInsurance = 1450;
    calculator.FInterestRate = 6.125;
    calculator.FTerm = 15;
    const AffordInputs in = lw::core::affordDefaults(calculator);
    EXPECT_EQ(in.taxRate, 12500);
    EXPECT_EQ(in.downPayment, 4800000);
    EXPECT_EQ(in.terms.annualInsurance, 145000);
    EXPECT_EQ(in.terms.rate, 61250);
    EXPECT_EQ(in.terms.payments, 180);
    EXPECT_EQ(in.frontRatio, 280000);
    EXPECT_EQ(in.backRatio, 360000);
}

} // namespace
