#include "shell/schedule/afford_page.h"

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "support/row_printers.h"
#include "support/shell_doubles.h"

namespace lw::test {

namespace {

// 7,142.86 a month, 60,000 down, 6.5 % over 30 years, taxes 1.2 % of the price, insurance
// 1,200 a year, mortgage insurance 0.55 %: the highest price is 300,000, the loan exactly
// 80 % of it (worked out by hand: 1,516.96 P&I + 300 taxes + 100 insurance).
core::AffordInputs boundaryBuyer()
{
    core::AffordInputs in;
    in.monthlyIncome = 714286;
    in.downPayment = 6000000;
    in.taxRate = 12000;
    in.terms.annualInsurance = 120000;
    in.terms.mortgageInsuranceRate = 5500;
    in.terms.rate = 65000;
    in.terms.payments = 360;
    return in;
}

QString spoken(QWidget *widget, QAccessible::Text text)
{
    return QAccessible::queryAccessibleInterface(widget)->text(text);
}

class AffordPageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    }

    QPushButton *button(const QString &caption) const
    {
        for (QPushButton *b : page.findChildren<QPushButton *>())
            if (b->text() == caption)
                return b;
        return nullptr;
    }

    CLocaleSource locale;
    shell::AffordPage page{ locale, nullptr };
};

TEST_F(AffordPageTest, EveryFieldIsNamedByItsLabel)
{
    int named = 0;
    for (const QLabel *label : page.findChildren<QLabel *>()) {
        if (!label->buddy())
            continue;
        const QString caption = QString(label->text()).remove(u'&').remove(u':');
        EXPECT_EQ(spoken(label->buddy(), QAccessible::Name), caption);
        ++named;
    }
    EXPECT_EQ(named, 21) << "9 inputs, 11 results and the table";
}

struct ShownRow
{
    const char *name;
    const char *field; // its accessible name
    const char *value;
};

LW_PRINT_ROW_NAME(ShownRow)

class AffordAnswerShown : public AffordPageTest, public ::testing::WithParamInterface<ShownRow>
{
};

TEST_P(AffordAnswerShown, IsReadThroughTheFieldsText)
{
    page.setInputs(boundaryBuyer());
    QLineEdit *field = nullptr;
    for (QLineEdit *edit : page.findChildren<QLineEdit *>())
        if (edit->accessibleName() == QLatin1StringView(GetParam().field))
            field = edit;
    ASSERT_NE(field, nullptr);
    QAccessibleInterface *spokenField = QAccessible::queryAccessibleInterface(field);
    QAccessibleTextInterface *text = spokenField->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()), QLatin1StringView(GetParam().value));
}

// The shares: 1,916.96 / 7,142.86 = 26.837 %; no other debts, so both are the same.
INSTANTIATE_TEST_SUITE_P(Boundary, AffordAnswerShown,
        ::testing::Values(ShownRow{ "Price", "Price", "$300,000.00" },
                ShownRow{ "Loan", "Loan", "$240,000.00" },
                ShownRow{ "PrincipalAndInterest", "Principal and interest", "$1,516.96" },
                ShownRow{ "Taxes", "Property taxes", "$300.00" },
                ShownRow{ "MortgageInsurance", "Mortgage insurance", "$0.00" },
                ShownRow{ "Payment", "Monthly housing payment", "$1,916.96" },
                ShownRow{ "FrontShare", "Housing, share of income", "26.84 %" },
                ShownRow{ "BackShare", "Housing and debts, share of income", "26.84 %" },
                ShownRow{ "Binding", "Limit that binds", "Front-end ratio" }),
        RowName());

TEST_F(AffordPageTest, TheGovernmentBackedPairIsOneClickAway)
{
    page.setInputs(boundaryBuyer());
    QTest::mouseClick(button(QStringLiteral("&Government-backed 31/43")), Qt::LeftButton);
    EXPECT_EQ(page.inputs().frontRatio, 310000);
    EXPECT_EQ(page.inputs().backRatio, 430000);
    EXPECT_GT(page.answer().price, 30000000) << "a higher share allows a higher price";
}

TEST_F(AffordPageTest, DebtsAboveTheBackEndShareSayNothingIsAffordable)
{
    core::AffordInputs in = boundaryBuyer();
    in.monthlyDebts = 260000; // 36.4 % of the income
    page.setInputs(in);
    bool said = false;
    for (const QLabel *label : page.findChildren<QLabel *>())
        said = said || label->text().startsWith(u"Nothing is affordable");
    EXPECT_TRUE(said);
    EXPECT_FALSE(button(QStringLiteral("&Use this price"))->isEnabled());
}

} // namespace

} // namespace lw::test
