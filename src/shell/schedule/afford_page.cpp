#include "shell/schedule/afford_page.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "core/loan_scenario.h"
#include "core/money_text.h"

namespace lw::shell {

namespace {

core::Cents centsOf(const QDoubleSpinBox &field)
{
    return core::toCents(field.value()).value_or(0);
}

std::int64_t scaledOf(const QDoubleSpinBox &field)
{
    return core::toScaledRate(field.value()).value_or(0);
}

double percentOf(std::int64_t scaled)
{
    return static_cast<double>(scaled) / static_cast<double>(core::RateScale);
}

// A percentage with fixed decimals and the locale's separator.
QString percentText(double percent, int decimals, const platform::LocaleInfo &locale)
{
    return QString::number(percent, 'f', decimals).replace(u'.', locale.decimalSeparator) + u" %";
}

const QString AskForIncome =
        QStringLiteral("Enter your gross monthly income to see the highest price you can afford.");
const QString NothingAffordable = QStringLiteral(
        "Nothing is affordable: your other monthly debts, with insurance and HOA dues, already "
        "take more than the back-end share of your income.");

} // namespace

QString AffordPage::limitText(core::AffordLimit limit)
{
    switch (limit) {
    case core::AffordLimit::FrontEnd:
        return QStringLiteral("Front-end ratio");
    case core::AffordLimit::BackEnd:
        return QStringLiteral("Back-end ratio");
    case core::AffordLimit::Ceiling:
        return QStringLiteral("Neither: the price field is full");
    }
    return {};
}

AffordPage::AffordPage(const platform::LocaleSource &locale, QWidget *parent)
    : QWidget(parent)
    , m_locale(locale)
{
    setObjectName(QStringLiteral("pageAfford"));
    setWindowTitle(QStringLiteral("What Can I Afford?"));
    createInputs();
    createAnswer();
    createSensitivity();
    connectInputs();
    solve();
}

void AffordPage::connectInputs()
{
    for (QDoubleSpinBox *field : { m_income, m_debts, m_down, m_front, m_back, m_taxRate,
                 m_insurance, m_hoa, m_insuranceRate })
        connect(field, &QDoubleSpinBox::valueChanged, this, [this] {
            if (!m_applying)
                solve();
        });
    connect(m_governmentRatios, &QPushButton::clicked, this, [this] {
        m_applying = true;
        m_front->setValue(31);
        m_back->setValue(43);
        m_applying = false;
        solve();
    });
    connect(m_use, &QPushButton::clicked, this, [this] {
        if (m_answer.affordable)
            Q_EMIT usePrice(m_answer.price, m_answer.price - m_answer.loan);
    });
}

void AffordPage::follow(const core::ValueRecord &record)
{
    const std::optional<core::LoanScenario> calculator = core::calculatorScenario(record);
    if (!calculator)
        return;
    m_inputs.terms.rate = calculator->rate;
    m_inputs.terms.payments = calculator->payments;
    solve();
}

core::AffordInputs AffordPage::inputs() const
{
    core::AffordInputs in = m_inputs;
    in.monthlyIncome = centsOf(*m_income);
    in.monthlyDebts = centsOf(*m_debts);
    in.downPayment = centsOf(*m_down);
    in.frontRatio = scaledOf(*m_front);
    in.backRatio = scaledOf(*m_back);
    in.taxRate = scaledOf(*m_taxRate);
    in.terms.annualInsurance = centsOf(*m_insurance);
    in.terms.monthlyHoa = centsOf(*m_hoa);
    in.terms.mortgageInsuranceRate = scaledOf(*m_insuranceRate);
    return in;
}

void AffordPage::setInputs(const core::AffordInputs &in)
{
    m_applying = true;
    m_inputs = in;
    m_income->setValue(core::toAmount(in.monthlyIncome));
    m_debts->setValue(core::toAmount(in.monthlyDebts));
    m_down->setValue(core::toAmount(in.downPayment));
    m_front->setValue(percentOf(in.frontRatio));
    m_back->setValue(percentOf(in.backRatio));
    m_taxRate->setValue(percentOf(in.taxRate));
    m_insurance->setValue(core::toAmount(in.terms.annualInsurance));
    m_hoa->setValue(core::toAmount(in.terms.monthlyHoa));
    m_insuranceRate->setValue(percentOf(in.terms.mortgageInsuranceRate));
    m_applying = false;
    solve();
}

void AffordPage::solve()
{
    const core::AffordInputs in = inputs();
    const platform::LocaleInfo locale = m_locale.current();
    m_terms->setText(u"Rate and term from the calculator: "
            + percentText(percentOf(in.terms.rate), 3, locale) + u" over "
            + QString::number(in.terms.payments / 12) + u" years.");
    if (in.monthlyIncome <= 0) {
        m_status->setText(AskForIncome);
        clearAnswer();
        showSensitivity(in, {});
        return;
    }
    m_answer = core::solveAffordability(in);
    m_status->setText(m_answer.affordable ? QString() : NothingAffordable);
    if (m_answer.affordable)
        showAnswer();
    else
        clearAnswer();
    showSensitivity(in, core::affordabilitySensitivity(in));
}

void AffordPage::showAnswer()
{
    const core::FirstPayment &p = m_answer.payment;
    const platform::LocaleInfo locale = m_locale.current();
    const std::pair<QLineEdit *, QString> shown[] = {
        { m_price, moneyText(m_answer.price) },
        { m_loan, moneyText(m_answer.loan) },
        { m_principalAndInterest, moneyText(p.principalAndInterest) },
        { m_taxes, moneyText(p.taxes) },
        { m_homeInsurance, moneyText(p.insurance) },
        { m_mortgageInsurance, moneyText(p.mortgageInsurance) },
        { m_hoaDues, moneyText(p.hoa) },
        { m_payment, moneyText(p.total) },
        { m_frontShare, percentText(static_cast<double>(m_answer.frontShare) / 100, 2, locale) },
        { m_backShare, percentText(static_cast<double>(m_answer.backShare) / 100, 2, locale) },
        { m_binding, limitText(m_answer.binding) },
    };
    for (const auto &[field, text] : shown)
        field->setText(text);
    m_use->setEnabled(true);
}

void AffordPage::clearAnswer()
{
    m_answer = {};
    for (QLineEdit *field : { m_price, m_loan, m_principalAndInterest, m_taxes, m_homeInsurance,
                 m_mortgageInsurance, m_hoaDues, m_payment, m_frontShare, m_backShare, m_binding })
        field->clear();
    m_use->setEnabled(false);
}

void AffordPage::showSensitivity(
        const core::AffordInputs &in, const std::vector<std::vector<core::Affordability>> &table)
{
    const platform::LocaleInfo locale = m_locale.current();
    QStringList rates;
    for (const std::int64_t rate : core::sensitivityRates(in))
        rates << percentText(percentOf(rate), 3, locale);
    QStringList downs;
    for (const core::Cents down : core::sensitivityDownPayments(in))
        downs << moneyText(down) + u" down";
    m_sensitivity->setVerticalHeaderLabels(rates);
    m_sensitivity->setHorizontalHeaderLabels(downs);
    for (std::size_t row = 0; row < 3; ++row)
        for (std::size_t column = 0; column < 3; ++column) {
            QString text; // blank until there is an income to solve for
            if (row < table.size())
                text = table[row][column].affordable ? moneyText(table[row][column].price)
                                                     : QStringLiteral("None");
            m_sensitivity->item(static_cast<int>(row), static_cast<int>(column))->setText(text);
        }
}

QString AffordPage::moneyText(core::Cents cents) const
{
    return core::money(core::toAmount(cents), m_locale.current());
}

} // namespace lw::shell
