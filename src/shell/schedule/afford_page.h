#pragma once

#include <QWidget>

#include "core/affordability.h"
#include "core/value_record.h"
#include "platform/locale_source.h"

class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace lw::shell {

/// "What can I afford?": from income, debts and cash, the highest price both lenders' ratios
/// allow, its payment, which limit binds, and how the answer moves with rate and down
/// payment. Rate and term follow the calculator's passes; the answer can be handed back.
class AffordPage final : public QWidget
{
    Q_OBJECT

public:
    AffordPage(const platform::LocaleSource &locale, QWidget *parent);
    Q_DISABLE_COPY_MOVE(AffordPage)

    /// Takes the rate and term of a completed pass.
    void follow(const core::ValueRecord &record);

    /// The buyer's inputs as shown, with the rate and term last followed.
    core::AffordInputs inputs() const;
    /// Shows the given inputs, rate and term included, and solves once.
    void setInputs(const core::AffordInputs &inputs);

    const core::Affordability &answer() const { return m_answer; }

Q_SIGNALS:
    /// "Use this price": the calculator is to take this price and down payment.
    void usePrice(core::Cents price, core::Cents downPayment);

private:
    // Building the page, top to bottom.
    void createInputs();
    void createAnswer();
    void createSensitivity();
    void connectInputs();

    void solve();
    void showAnswer();
    void showSensitivity(const core::AffordInputs &inputs,
            const std::vector<std::vector<core::Affordability>> &table);
    static QString limitText(core::AffordLimit limit);
    void clearAnswer();
    QString moneyText(core::Cents cents) const;

    const platform::LocaleSource &m_locale;
    core::AffordInputs m_inputs; // rate and term; the rest is read from the fields
    core::Affordability m_answer;
    bool m_applying = false; // setInputs is filling the fields: one solve at the end
    QDoubleSpinBox *m_income = nullptr;
    QDoubleSpinBox *m_debts = nullptr;
    QDoubleSpinBox *m_down = nullptr;
    QDoubleSpinBox *m_front = nullptr;
    QDoubleSpinBox *m_back = nullptr;
    QPushButton *m_governmentRatios = nullptr;
    QDoubleSpinBox *m_taxRate = nullptr;
    QDoubleSpinBox *m_insurance = nullptr;
    QDoubleSpinBox *m_hoa = nullptr;
    QDoubleSpinBox *m_insuranceRate = nullptr;
    QLabel *m_terms = nullptr;
    QLabel *m_status = nullptr;
    QLineEdit *m_price = nullptr;
    QLineEdit *m_loan = nullptr;
    QLineEdit *m_principalAndInterest = nullptr;
    QLineEdit *m_taxes = nullptr;
    QLineEdit *m_homeInsurance = nullptr;
    QLineEdit *m_mortgageInsurance = nullptr;
    QLineEdit *m_hoaDues = nullptr;
    QLineEdit *m_payment = nullptr;
    QLineEdit *m_frontShare = nullptr;
    QLineEdit *m_backShare = nullptr;
    QLineEdit *m_binding = nullptr;
    QTableWidget *m_sensitivity = nullptr;
    QPushButton *m_use = nullptr;
};

} // namespace lw::shell
