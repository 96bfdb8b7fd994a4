#pragma once

#include <QWidget>

#include "core/one_time_extras.h"
#include "core/schedule.h"
#include "core/schedule_values.h"
#include "core/value_record.h"
#include "shell/schedule/schedule_services.h"
#include "shell/schedule/schedule_table_model.h"

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
/// by month or by year, a chart, and the extra payments to try. A window of its own beside
/// the calculator; it follows every completed pass.
class ScheduleWindow final : public QWidget
{
    Q_OBJECT

public:
    ScheduleWindow(const ScheduleServices &services, QWidget *parent);
    Q_DISABLE_COPY_MOVE(ScheduleWindow)

    /// Takes the loan, rate, term and payment of a completed pass; shown at once when open.
    void follow(const core::ValueRecord &record);

    /// The extras, first month and view the user chose.
    core::ScheduleValues values() const;
    /// Shows the given choices; an invalid first month keeps the one shown.
    void setValues(const core::ScheduleValues &values);

    const core::Schedule &schedule() const { return m_schedule; }

    /// Works out the schedule now if a pass or a choice came since, so that its table's
    /// width, and with it the window's minimum size, is known before the window is shown.
    void bringUpToDate();

    /// Adds a page after the schedule's; the window owns it from then on.
    void addPage(QWidget *page, const QString &caption);
    /// Brings a page to the front; the schedule's when nullptr.
    void showPage(QWidget *page);

    void exportCsv();
    void exportPdf();
    void print();

Q_SIGNALS:
    /// The schedule, table and chart show new figures.
    void scheduleUpdated();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Building the window, top to bottom.
    void createPages();
    void createInputs();
    void createSummary();
    void createTableAndChart();
    void createButtons();
    void connectInputs();

    void limitFirstPayment();
    void recompute();
    void fitColumns();
    QStringList summaryLines() const;
    bool printOn(QPagedPaintDevice &device);

    const ScheduleServices m_services;
    core::ValueRecord m_pass; // the last completed pass followed
    core::ScheduleInputs m_inputs;
    core::Schedule m_schedule;
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
    QLabel *m_summary = nullptr;
    QTableView *m_table = nullptr;
    ScheduleChart *m_chart = nullptr;
    QPushButton *m_exportCsv = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_exportPdf = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace lw::shell
