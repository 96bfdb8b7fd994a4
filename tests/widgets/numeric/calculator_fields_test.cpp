#include <gtest/gtest.h>

#include "core/calculation_pass.h"
#include "core/math_error.h"
#include "platform/posix_locale_source.h"
#include "support/calculator_page.h"
#include "widgets/numeric/ovcintl.h"

using namespace lw;

namespace {

QString shown(const numeric::NumericFieldModel &field)
{
    return field.DisplayText().trimmed();
}

} // namespace

// The whole road from factory inputs through the pass to the texts a US user sees.
TEST(CalculatorFields, DefaultInputsShowTheUsTextsAndFields)
{
    const auto us = platform::readNamedLocale("en_US.UTF-8");
    if (!us)
        GTEST_SKIP() << "en_US.UTF-8 is not installed (scripts/install-deps.sh makes it)";
    const numeric::TOvcIntlSup intl(*us);
    test::CalculatorPage page(intl);
    core::ValueRecord record;
    core::writeFactoryInputs(page.controls());
    core::Calculate(record, page.controls(), *us);

    EXPECT_EQ(shown(page.salesPrice), QStringLiteral("100,000.00"));
    EXPECT_EQ(shown(page.downPayment), QStringLiteral("20,000.00"));
    EXPECT_EQ(shown(page.interestRate), QStringLiteral("6.0000"));
    EXPECT_EQ(shown(page.annualTaxes), QStringLiteral("500.00"));
    EXPECT_EQ(shown(page.actualLoan), QStringLiteral("80,000.00"));
    EXPECT_EQ(shown(page.monthlyPI), QStringLiteral("479.64"));
    EXPECT_EQ(shown(page.monthlyPITI), QStringLiteral("562.97"));
    // The sentence's wording is the summary's own test; here the real locale's money format.
    EXPECT_TRUE(page.summary3.text.endsWith(QStringLiteral(" $202,670.55")));
    // The record keeps the unrounded payment; the field shows it to the cent.
    EXPECT_NEAR(record.FMonthlyPI, 479.6404201222, 1e-9);
}

TEST(CalculatorFields, ResultFieldsAreReadBackRoundedNotTheRecord)
{
    const numeric::TOvcIntlSup intl{ platform::LocaleInfo{} };
    test::CalculatorPage page(intl);
    core::ValueRecord record;
    core::writeFactoryInputs(page.controls());
    page.monthlyPI.setDisplayText(QStringLiteral("    123,456.00")); // typed into a result
    core::Calculate(record, page.controls(), {});
    EXPECT_EQ(shown(page.monthlyPI), QStringLiteral("479.64"));
    EXPECT_EQ(page.monthlyPI.FloatValue(), 479.64);
}

TEST(CalculatorFields, GermanSeparatorsInFieldsAndSentences)
{
    const auto de = platform::readNamedLocale("de_DE.UTF-8");
    if (!de)
        GTEST_SKIP() << "de_DE.UTF-8 is not installed (scripts/install-deps.sh makes it)";
    const numeric::TOvcIntlSup intl(*de);
    test::CalculatorPage page(intl);
    core::ValueRecord record;
    core::writeFactoryInputs(page.controls());
    core::Calculate(record, page.controls(), *de);
    EXPECT_EQ(shown(page.actualLoan), QStringLiteral("80.000,00"));
    EXPECT_EQ(shown(page.interestRate), QStringLiteral("6,0000"));
    EXPECT_EQ(page.summary3.text,
            QStringLiteral("insurance premiums, for a total cost of 202.670,55 ") + QChar(0x20AC));
}

TEST(CalculatorFields, AnInvalidInputReadsAsZeroInThePass)
{
    const numeric::TOvcIntlSup intl{ platform::LocaleInfo{} };
    test::CalculatorPage page(intl);
    core::ValueRecord record;
    core::writeFactoryInputs(page.controls());
    page.downPayment.setDisplayText(QStringLiteral("     1.2.3    "));
    core::Calculate(record, page.controls(), {});
    EXPECT_EQ(page.downPayment.LastErrorCode(), 257);
    EXPECT_EQ(record.FDownPayment, 0);
    EXPECT_EQ(shown(page.actualLoan), QStringLiteral("100,000.00"));
}

TEST(CalculatorFields, ALoanBeyondTheMaskIsMarkedNotMisshown)
{
    const numeric::TOvcIntlSup intl{ platform::LocaleInfo{} };
    test::CalculatorPage page(intl);
    core::ValueRecord record;
    core::writeFactoryInputs(page.controls());
    page.salesPrice.setFloatValue(999999999.99);
    page.downPayment.setFloatValue(-99999999.99);
    core::Calculate(record, page.controls(), {});
    EXPECT_EQ(record.FActualLoan, 1099999999.98);
    EXPECT_EQ(shown(page.actualLoan), QStringLiteral("***,***,***.**"));
}
