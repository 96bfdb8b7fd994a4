#pragma once

#include <optional>

#include <QWidget>

#include "core/loan_scenario.h"
#include "core/monthly_costs.h"
#include "core/one_time_extras.h"
#include "core/schedule.h"
#include "core/schedule_values.h"
#include "core/value_record.h"
#include "shell/schedule/schedule_services.h"
#include "shell/schedule/schedule_table_model.h"

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPagedPaintDevice;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;

namespace lw::shell {

class ScheduleChart;

/// The amortization schedule of the calculator's last completed pass: a summary, the table
/// by month or by year with what each month costs in all, a chart, and the extra payments,
/// payment plans and costs beyond the calculator's to try. A window of its own beside
/// the calculator; it follows every completed pass.
class ScheduleWindow final : public QWidget
{
    Q_OBJECT

public:
    ScheduleWindow(const ScheduleServices &services, QWidget *parent);
    Q_DISABLE_COPY_MOVE(ScheduleWindow)

    /// Takes the loan, rate, term, payment, taxes and insurance of a completed pass; shown at
    /// once when open.
    void follow(const core::ValueRecord &record);

    /// The extras, first month and view the user chose.
    core::ScheduleValues values() const;
    /// Shows the given choices; an invalid first month keeps the one shown.
    void setValues(const core::ScheduleValues &values);

    const core::Schedule &schedule() const { return m_schedule; }

    const core::MonthlyCosts &costs() const { return m_costs; }

    /// Works out the schedule now if a pass or a choice came since, so that its table's
    /// width, and with it the window's minimum size, is known before the window is shown.
    void bringUpToDate();

    void exportCsv();
    void exportPdf();
    void print();

    /// Shows `page` on a tab of its own, adding it the first time; the tabs own it then.
    void showPage(QWidget *page, const QString &title);
    /// Shows the schedule's own page.
    void showSchedulePage();

Q_SIGNALS:
    /// The schedule, table and chart show new figures.
    void scheduleUpdated();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Building the window, top to bottom.
    void createPages();
    void createInputs();
    void createCostInputs(QBoxLayout &row);
    void createSummary();
    void createTableAndChart();
    void createButtons();
    void connectInputs();

    void limitFirstPayment();
    core::ExtraPayments readExtras(const std::vector<core::OneTimeEntry> &oneTime) const;
    std::int64_t mortgageInsuranceRate() const;
    core::LoanScenario scenario() const;
    void recompute();
    void fitColumns();
    QStringList summaryLines() const;
    bool printOn(QPagedPaintDevice &device);

    const ScheduleServices m_services;
    core::ValueRecord m_pass; // the last completed pass followed
    std::optional<core::LoanScenario> m_base; // the pass's loan; empty when beyond the fields
    int m_payments = 0; // the pass's term in months
    core::Schedule m_schedule;
    core::MonthlyCosts m_costs;
    std::vector<core::OneTimeEntry> m_oneTimeEntries; // as last read from the field
    bool m_stale = true; // a pass came while the window was hidden
    bool m_applying = false; // setValues is filling the inputs: one update at the end
    QTabWidget *m_pages = nullptr;
    QWidget *m_page = nullptr; // the schedule's page
    ScheduleTableModel *m_model = nullptr;
    QDoubleSpinBox *m_monthlyExtra = nullptr;
    QSpinBox *m_extraFrom = nullptr;
    QLineEdit *m_oneTime = nullptr;
    QDateEdit *m_firstPayment = nullptr;
    QComboBox *m_view = nullptr;
    QLineEdit *m_insuranceRate = nullptr;
    QDoubleSpinBox *m_hoa = nullptr;
    QCheckBox *m_cancelOnRequest = nullptr;
    QDoubleSpinBox *m_yearlyExtra = nullptr;
    QComboBox *m_yearlyMonth = nullptr;
    QSpinBox *m_yearlyFrom = nullptr;
    QCheckBox *m_biweekly = nullptr;
    QLabel *m_summary = nullptr;
    QTableView *m_table = nullptr;
    ScheduleChart *m_chart = nullptr;
    QPushButton *m_exportCsv = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_exportPdf = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace lw::shell
