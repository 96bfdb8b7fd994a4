#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "shell/schedule/afford_page.h"

namespace lw::shell {

namespace {

constexpr double MostMoney = 999999999.99; // what the calculator's amount fields hold

QString nameOf(const QString &caption)
{
    return QString(caption).remove(u'&').remove(u':');
}

// A label that names its field for the keyboard (its mnemonic) and for screen readers.
QLabel *labelFor(QWidget *field, const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(caption, parent); // owned by parent
    label->setBuddy(field);
    field->setAccessibleName(nameOf(caption));
    return label;
}

QDoubleSpinBox *moneyField(QWidget *parent)
{
    auto *field = new QDoubleSpinBox(parent); // owned by parent
    field->setRange(0, MostMoney);
    field->setDecimals(2);
    field->setGroupSeparatorShown(true);
    return field;
}

QDoubleSpinBox *percentField(QWidget *parent, int decimals, double step)
{
    auto *field = new QDoubleSpinBox(parent); // owned by parent
    field->setRange(0, 100);
    field->setDecimals(decimals);
    field->setSingleStep(step);
    field->setSuffix(QStringLiteral(" %"));
    return field;
}

QDoubleSpinBox *addInput(QFormLayout *form, QDoubleSpinBox *field, const QString &caption)
{
    form->addRow(labelFor(field, caption, form->parentWidget()), field);
    return field;
}

} // namespace

void AffordPage::createInputs()
{
    auto *columns = new QHBoxLayout;
    auto *group = new QGroupBox(QStringLiteral("Your finances"), this); // owned by the page
    auto *form = new QFormLayout(group);
    m_income = addInput(form, moneyField(group), QStringLiteral("Gross monthly &income:"));
    m_debts = addInput(form, moneyField(group), QStringLiteral("Other monthly &debt payments:"));
    m_down = addInput(form, moneyField(group), QStringLiteral("&Cash for the down payment:"));
    m_front = addInput(
            form, percentField(group, 2, 1), QStringLiteral("&Front-end ratio (housing):"));
    m_back = addInput(form, percentField(group, 2, 1),
            QStringLiteral("&Back-end ratio (housing and debts):"));
    m_governmentRatios = new QPushButton(QStringLiteral("&Government-backed 31/43"), group);
    form->addRow(QString(), m_governmentRatios);
    m_taxRate = addInput(form, percentField(group, 3, 0.125),
            QStringLiteral("Property &taxes a year, of the price:"));
    m_insurance =
            addInput(form, moneyField(group), QStringLiteral("Home&owner's insurance a year:"));
    m_hoa = addInput(form, moneyField(group), QStringLiteral("&HOA dues a month:"));
    m_insuranceRate = addInput(form, percentField(group, 3, 0.05),
            QStringLiteral("&Mortgage insurance a year, of the loan:"));
    m_terms = new QLabel(group);
    m_terms->setWordWrap(true);
    form->addRow(m_terms);
    columns->addWidget(group);
    auto *page = new QVBoxLayout(this);
    page->addLayout(columns);
}

void AffordPage::createAnswer()
{
    auto *group = new QGroupBox(QStringLiteral("The highest price you can afford"), this);
    auto *form = new QFormLayout(group);
    const auto result = [form, group](const QString &caption) {
        auto *field = new QLineEdit(group); // owned by the group
        field->setReadOnly(true);
        field->setAlignment(Qt::AlignRight);
        form->addRow(labelFor(field, caption, group), field);
        return field;
    };
    m_price = result(QStringLiteral("Price:"));
    m_loan = result(QStringLiteral("Loan:"));
    m_principalAndInterest = result(QStringLiteral("Principal and interest:"));
    m_taxes = result(QStringLiteral("Property taxes:"));
    m_homeInsurance = result(QStringLiteral("Homeowner's insurance:"));
    m_mortgageInsurance = result(QStringLiteral("Mortgage insurance:"));
    m_hoaDues = result(QStringLiteral("HOA dues:"));
    m_payment = result(QStringLiteral("Monthly housing payment:"));
    m_frontShare = result(QStringLiteral("Housing, share of income:"));
    m_backShare = result(QStringLiteral("Housing and debts, share of income:"));
    m_binding = result(QStringLiteral("Limit that binds:"));
    m_binding->setAlignment(Qt::AlignLeft);
    // Wide enough for the longest of its texts, so none is cut.
    m_binding->setMinimumWidth(
            m_binding->fontMetrics().horizontalAdvance(limitText(core::AffordLimit::Ceiling))
            + 4 * m_binding->fontMetrics().averageCharWidth());
    m_use = new QPushButton(QStringLiteral("&Use this price"), group);
    form->addRow(QString(), m_use);
    static_cast<QHBoxLayout *>(layout()->itemAt(0)->layout())->addWidget(group, 1);
}

void AffordPage::createSensitivity()
{
    m_sensitivity = new QTableWidget(3, 3, this); // owned by the page
    const QString caption =
            QStringLiteral("Highest price at other &rates (rows) and down payments (columns):");
    QLabel *label = labelFor(m_sensitivity, caption, this);
    m_sensitivity->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_sensitivity->setTabKeyNavigation(false); // Tab leaves the table, arrows move inside it
    m_sensitivity->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Three rows of one line each: the table is as high as them and never scrolls.
    m_sensitivity->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_sensitivity->verticalHeader()->setDefaultSectionSize(
            m_sensitivity->fontMetrics().height() + 6);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            auto *item = new QTableWidgetItem; // owned by the table
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_sensitivity->setItem(row, column, item);
        }
    const int rows = m_sensitivity->horizontalHeader()->sizeHint().height()
            + 3 * m_sensitivity->verticalHeader()->defaultSectionSize()
            + 2 * m_sensitivity->frameWidth();
    m_sensitivity->setFixedHeight(rows);
    auto *page = static_cast<QVBoxLayout *>(layout());
    // Across the page, two lines high whether or not it speaks, so nothing moves when it does.
    m_status = new QLabel(this); // owned by the page
    m_status->setWordWrap(true);
    m_status->setMinimumHeight(2 * m_status->fontMetrics().lineSpacing());
    page->addWidget(m_status);
    page->addWidget(label);
    page->addWidget(m_sensitivity);
    page->addStretch(1);
}

} // namespace lw::shell
