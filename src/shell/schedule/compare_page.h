#pragma once

#include <QDate>
#include <QWidget>

#include "core/loan_scenario.h"
#include "core/offer_values.h"
#include "core/schedule_values.h"
#include "core/value_record.h"
#include "shell/schedule/schedule_services.h"

class QPagedPaintDevice;
class QPushButton;
class QSpinBox;
class QTableView;

namespace lw::shell {

class CompareTableModel;

/// Lenders' offers side by side with the calculator's loan: a column an offer, the
/// calculator's first and following every completed pass; the offers' terms typed in their
/// columns, their costs, APR and five-year figures below.
class ComparePage final : public QWidget
{
    Q_OBJECT

public:
    ComparePage(const ScheduleServices &services, QWidget *parent);
    Q_DISABLE_COPY_MOVE(ComparePage)

    /// Takes the loan of a completed pass with the schedule's first payment month, mortgage
    /// insurance and HOA dues, which offers use unless they give their own; shown at once
    /// when the page is visible.
    void follow(const core::ValueRecord &record, const core::ScheduleValues &schedule);

    core::CompareValues values() const;
    void setValues(const core::CompareValues &values);

    void addOffer();
    void removeOffer();
    void exportCsv();
    void print();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void createTable();
    void bringUpToDate();
    int currentColumn() const;
    void fitColumns();

    const ScheduleServices m_services;
    core::LoanScenario m_base;
    bool m_stale = true; // a pass came while the page was hidden
    CompareTableModel *m_model = nullptr;
    QSpinBox *m_years = nullptr;
    QTableView *m_table = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_exportCsv = nullptr;
    QPushButton *m_print = nullptr;
};

} // namespace lw::shell
