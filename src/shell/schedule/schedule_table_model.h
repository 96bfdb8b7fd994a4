#pragma once

#include <vector>

#include <QAbstractTableModel>
#include <QLocale>

#include "core/schedule_years.h"
#include "platform/locale_info.h"

namespace lw::shell {

/// Which rows the table shows.
enum class ScheduleView { Monthly, CalendarYears, LoanYears };

/// The schedule as table rows: one a payment, or one a year, with what the months cost beyond
/// principal and interest and in all. The row header is the payment number or the year;
/// money is in the locale's currency format, as in the sentences.
class ScheduleTableModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;
    Q_DISABLE_COPY_MOVE(ScheduleTableModel)

    /// The month or payment, then the schedule's amounts; the monthly costs follow them.
    static constexpr int ScheduleColumns = 6;

    /// Shows the schedule's rows and their costs (one each) in the view, formatted by the
    /// given locales.
    void setSchedule(const core::Schedule &schedule, const core::MonthlyCosts &costs,
            ScheduleView view, const platform::LocaleInfo &money, const QLocale &dates);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    /// For each column the texts among which its widest is: the largest amount's (digits are
    /// equally wide), and for the first column a year of month names and the last range.
    /// The table sizes its columns from these without measuring every row.
    std::vector<QStringList> widthSamples() const;

private:
    // A row's amounts, in cents; a month is a "year" of one payment whose header is its
    // number.
    struct Row
    {
        core::ScheduleYear sums;
        core::MonthlyCost costs;
    };

    QString cellText(int row, int column) const;
    static core::Cents amount(const Row &row, int column);

    // Formatted only when a row is shown.
    std::vector<Row> m_rows;
    std::vector<QDate> m_months; // monthly view: each row's month
    ScheduleView m_view = ScheduleView::Monthly;
    platform::LocaleInfo m_money;
    QLocale m_dateLocale;
};

} // namespace lw::shell
