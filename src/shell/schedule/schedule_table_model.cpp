#include "shell/schedule/schedule_table_model.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "core/money_text.h"
#include "core/schedule_summary.h"

namespace lw::shell {

namespace {

constexpr int Columns = 10;
constexpr int ScheduleColumns = ScheduleTableModel::ScheduleColumns;

const std::array<QString, Columns> &amountHeaders()
{
    static const std::array<QString, Columns> headers{ QString(), QStringLiteral("Payment"),
        QStringLiteral("Interest"), QStringLiteral("Principal"), QStringLiteral("Extra"),
        QStringLiteral("Balance"), QStringLiteral("Escrow"), QStringLiteral("Mortgage ins."),
        QStringLiteral("HOA"), QStringLiteral("Total") };
    return headers;
}

// The schedule's amount in each column after the first.
constexpr std::array<core::Cents core::ScheduleYear::*, ScheduleColumns - 1> AmountColumns{
    &core::ScheduleYear::payment, &core::ScheduleYear::interest, &core::ScheduleYear::principal,
    &core::ScheduleYear::extra, &core::ScheduleYear::balance
};

// The costs' amount in each column after those; escrow is taxes and insurance together.
core::Cents costAmount(const core::MonthlyCost &c, int column)
{
    switch (column) {
    case ScheduleColumns:
        return c.taxes + c.insurance;
    case ScheduleColumns + 1:
        return c.mortgageInsurance;
    case ScheduleColumns + 2:
        return c.hoa;
    default:
        return c.total;
    }
}

core::ScheduleYear asRow(const core::ScheduleRow &month)
{
    return { month.number, month.number, month.number, month.payment, month.interest,
        month.principal, month.extra, month.balance };
}

} // namespace

void ScheduleTableModel::setSchedule(const core::Schedule &schedule,
        const core::MonthlyCosts &costs, ScheduleView view, const platform::LocaleInfo &money,
        const QLocale &dates)
{
    beginResetModel();
    m_view = view;
    m_money = money;
    m_dateLocale = dates;
    m_rows.clear();
    m_months.clear();
    // Costs come one for each row of a complete schedule, and none for any other.
    const bool costed = costs.rows.size() == schedule.rows.size();
    if (view == ScheduleView::Monthly) {
        m_rows.reserve(schedule.rows.size());
        m_months.reserve(schedule.rows.size());
        for (size_t i = 0; i < schedule.rows.size(); ++i) {
            m_rows.push_back(
                    { asRow(schedule.rows[i]), costed ? costs.rows[i] : core::MonthlyCost{} });
            m_months.push_back(schedule.rows[i].date);
        }
    } else {
        const core::YearGrouping grouping = view == ScheduleView::CalendarYears
                ? core::YearGrouping::Calendar
                : core::YearGrouping::Loan;
        const std::vector<core::ScheduleYear> years = core::yearlyTotals(schedule.rows, grouping);
        const std::vector<core::CostYear> yearCosts = costed
                ? core::yearlyCosts(schedule.rows, costs.rows, grouping)
                : std::vector<core::CostYear>(years.size());
        m_rows.reserve(years.size());
        for (size_t i = 0; i < years.size(); ++i)
            m_rows.push_back({ years[i], yearCosts[i].costs });
    }
    endResetModel();
}

core::Cents ScheduleTableModel::amount(const Row &row, int column)
{
    return column < ScheduleColumns ? row.sums.*AmountColumns[static_cast<size_t>(column - 1)]
                                    : costAmount(row.costs, column);
}

int ScheduleTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ScheduleTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QVariant ScheduleTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return cellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ScheduleTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section >= 0 && section < rowCount()
                ? QString::number(m_rows[static_cast<size_t>(section)].sums.year)
                : QVariant();
    if (section == 0)
        return m_view == ScheduleView::Monthly ? QStringLiteral("Month")
                                               : QStringLiteral("Payments");
    return section < Columns ? amountHeaders()[static_cast<size_t>(section)] : QVariant();
}

std::vector<QStringList> ScheduleTableModel::widthSamples() const
{
    if (m_rows.empty())
        return {};
    QStringList first{ cellText(rowCount() - 1, 0) };
    for (int row = 0; row < std::min(rowCount(), 12); ++row)
        first << cellText(row, 0);
    std::vector<QStringList> samples{ first };
    for (int column = 1; column < Columns; ++column) {
        const auto largest = std::max_element(
                m_rows.begin(), m_rows.end(), [column](const Row &a, const Row &b) {
                    return std::llabs(amount(a, column)) < std::llabs(amount(b, column));
                });
        samples.push_back({ core::money(core::toAmount(amount(*largest, column)), m_money) });
    }
    return samples;
}

QString ScheduleTableModel::cellText(int row, int column) const
{
    const Row &r = m_rows[static_cast<size_t>(row)];
    if (column > 0)
        return core::money(core::toAmount(amount(r, column)), m_money);
    return m_view == ScheduleView::Monthly
            ? core::monthYear(m_months[static_cast<size_t>(row)], m_dateLocale)
            : QString::number(r.sums.firstNumber) + u" to " + QString::number(r.sums.lastNumber);
}

} // namespace lw::shell
