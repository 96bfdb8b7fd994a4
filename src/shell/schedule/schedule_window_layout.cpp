#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "shell/schedule/schedule_chart.h"
#include "shell/schedule/schedule_window.h"

namespace lw::shell {

namespace {

// A label that names its field for the keyboard (its mnemonic) and for screen readers.
QLabel *labelFor(QWidget *field, const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(caption, parent); // owned by parent
    label->setBuddy(field);
    field->setAccessibleName(QString(caption).remove(u'&').remove(u':'));
    return label;
}

} // namespace

void ScheduleWindow::createInputs()
{
    auto *group = new QGroupBox(QStringLiteral("Extra payments and view"), this); // owned
    auto *grid = new QGridLayout(group);
    m_monthlyExtra = new QDoubleSpinBox(group);
    m_monthlyExtra->setRange(0, 999999999.99);
    m_monthlyExtra->setDecimals(2);
    m_monthlyExtra->setGroupSeparatorShown(true);
    m_extraFrom = new QSpinBox(group);
    m_extraFrom->setRange(1, 360);
    m_oneTime = new QLineEdit(group);
    m_oneTime->setPlaceholderText(
            QStringLiteral("payment number=amount; for example 12=5000; 60=2500"));
    m_firstPayment = new QDateEdit(group);
    m_firstPayment->setDisplayFormat(QStringLiteral("MMM yyyy"));
    m_view = new QComboBox(group);
    m_view->addItems({ QStringLiteral("By month"), QStringLiteral("By calendar year"),
            QStringLiteral("By loan year") });
    grid->addWidget(labelFor(m_monthlyExtra, QStringLiteral("Extra every &month:"), group), 0, 0);
    grid->addWidget(m_monthlyExtra, 0, 1);
    grid->addWidget(labelFor(m_extraFrom, QStringLiteral("&from payment number:"), group), 0, 2);
    grid->addWidget(m_extraFrom, 0, 3);
    grid->addWidget(labelFor(m_oneTime, QStringLiteral("&One-time extras:"), group), 1, 0);
    grid->addWidget(m_oneTime, 1, 1, 1, 3);
    grid->addWidget(labelFor(m_firstPayment, QStringLiteral("First &payment:"), group), 2, 0);
    grid->addWidget(m_firstPayment, 2, 1);
    grid->addWidget(labelFor(m_view, QStringLiteral("&Show:"), group), 2, 2);
    grid->addWidget(m_view, 2, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    layout()->addWidget(group);
}

void ScheduleWindow::createSummary()
{
    m_summary = new QLabel(this); // owned by the window
    m_summary->setObjectName(QStringLiteral("scheduleSummary"));
    m_summary->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    // No name of its own: a label's name is its text, which is what a screen reader must say.
    layout()->addWidget(m_summary);
}

void ScheduleWindow::createTableAndChart()
{
    auto *split = new QSplitter(Qt::Horizontal, this); // owned by the window
    m_model = new ScheduleTableModel(this); // owned by the window
    m_table = new QTableView(split);
    m_table->setObjectName(QStringLiteral("scheduleTable"));
    m_table->setAccessibleName(QStringLiteral("Schedule"));
    m_table->setModel(m_model);
    m_table->setTabKeyNavigation(false); // Tab leaves the table, arrows move inside it
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Sized from the widest texts, not by measuring every row on every pass.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_chart = new ScheduleChart(split);
    m_chart->setFocusPolicy(Qt::TabFocus); // so a screen reader user reaches its description
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    static_cast<QVBoxLayout *>(layout())->addWidget(split, 1);
}

void ScheduleWindow::createButtons()
{
    auto *row = new QHBoxLayout;
    m_exportCsv = new QPushButton(QStringLiteral("Export &CSV..."), this); // owned
    m_print = new QPushButton(QStringLiteral("P&rint..."), this);
    m_exportPdf = new QPushButton(QStringLiteral("Export P&DF..."), this);
    m_close = new QPushButton(QStringLiteral("Close"), this);
    row->addWidget(m_exportCsv);
    row->addWidget(m_print);
    row->addWidget(m_exportPdf);
    row->addStretch(1);
    row->addWidget(m_close);
    static_cast<QVBoxLayout *>(layout())->addLayout(row);
}

} // namespace lw::shell
