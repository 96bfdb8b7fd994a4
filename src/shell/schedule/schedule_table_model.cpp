#include "shell/schedule/schedule_table_model.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "core/money_text.h"
#include "core/schedule_summary.h"

namespace lw::shell {

namespace {

constexpr int Columns = 6;

const std::array<QString, Columns> &amountHeaders()
{
    static const std::array<QString, Columns> headers{ QString(), QStringLiteral("Payment"),
        QStringLiteral("Interest"), QStringLiteral("Principal"), QStringLiteral("Extra"),
        QStringLiteral("Balance") };
    return headers;
}

// The amount in each column after the first.
constexpr std::array<core::Cents core::ScheduleYear::*, Columns - 1> AmountColumns{
    &core::ScheduleYear::payment, &core::ScheduleYear::interest, &core::ScheduleYear::principal,
    &core::ScheduleYear::extra, &core::ScheduleYear::balance
};

core::ScheduleYear asRow(const core::ScheduleRow &month)
{
    return { month.number, month.number, month.number, month.payment, month.interest,
        month.principal, month.extra, month.balance };
}

} // namespace

void ScheduleTableModel::setSchedule(const core::Schedule &schedule, ScheduleView view,
        const platform::LocaleInfo &money, const QLocale &dates)
{
    beginResetModel();
    m_view = view;
    m_money = money;
    m_dateLocale = dates;
    m_rows.clear();
    m_months.clear();
    if (view == ScheduleView::Monthly) {
        m_rows.reserve(schedule.rows.size());
        m_months.reserve(schedule.rows.size());
        for (const core::ScheduleRow &month : schedule.rows) {
            m_rows.push_back(asRow(month));
            m_months.push_back(month.date);
        }
    } else {
        m_rows = core::yearlyTotals(schedule.rows,
                view == ScheduleView::CalendarYears ? core::YearGrouping::Calendar
                                                    : core::YearGrouping::Loan);
    }
    endResetModel();
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
        return section < rowCount() ? QString::number(m_rows[static_cast<size_t>(section)].year)
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
    for (const auto column : AmountColumns) {
        const auto largest = std::max_element(m_rows.begin(), m_rows.end(),
                [column](const core::ScheduleYear &a, const core::ScheduleYear &b) {
                    return std::llabs(a.*column) < std::llabs(b.*column);
                });
        samples.push_back({ core::money(core::toAmount((*largest).*column), m_money) });
    }
    return samples;
}

QString ScheduleTableModel::cellText(int row, int column) const
{
    const core::ScheduleYear &r = m_rows[static_cast<size_t>(row)];
    const auto amount = [this](core::Cents cents) {
        return core::money(core::toAmount(cents), m_money);
    };
    if (column > 0)
        return amount(r.*AmountColumns[static_cast<size_t>(column - 1)]);
    return m_view == ScheduleView::Monthly
            ? core::monthYear(m_months[static_cast<size_t>(row)], m_dateLocale)
            : QString::number(r.firstNumber) + u" to " + QString::number(r.lastNumber);
}

} // namespace lw::shell
