#include <iterator>
#include <limits>
#include <utility>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
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
    auto *group = new QGroupBox(QStringLiteral("Extra payments and view"), m_page); // owned
    auto *grid = new QGridLayout(group);
    m_monthlyExtra = new QDoubleSpinBox(group);
    m_monthlyExtra->setRange(0, 999999999.99);
    m_monthlyExtra->setDecimals(2);
    m_monthlyExtra->setGroupSeparatorShown(true);
    m_extraFrom = new QSpinBox(group);
    m_extraFrom->setRange(1, 360);
    m_oneTime = new QLineEdit(group);
    // Qt's default limit would cut a long list and save the cut.
    m_oneTime->setMaxLength(std::numeric_limits<int>::max());
    m_oneTime->setPlaceholderText(
            QStringLiteral("payment number=amount; for example 12=5000; 60=2500"));
    m_firstPayment = new QDateEdit(group);
    m_firstPayment->setDisplayFormat(QStringLiteral("MMM yyyy"));
    m_view = new QComboBox(group);
    m_view->addItems({ QStringLiteral("By month"), QStringLiteral("By calendar year"),
            QStringLiteral("By loan year") });
    // One field a row, so the window can stand narrow beside the calculator.
    const std::pair<QWidget *, QString> rows[] = {
        { m_monthlyExtra, QStringLiteral("Extra every &month:") },
        { m_extraFrom, QStringLiteral("&from payment number:") },
        { m_oneTime, QStringLiteral("&One-time extras:") },
        { m_firstPayment, QStringLiteral("First &payment:") },
        { m_view, QStringLiteral("&Show:") },
    };
    for (int row = 0; row < static_cast<int>(std::size(rows)); ++row) {
        const auto &[field, caption] = rows[row];
        grid->addWidget(labelFor(field, caption, group), row, 0);
        grid->addWidget(field, row, 1);
    }
    grid->setColumnStretch(1, 1);
    auto *row = new QHBoxLayout; // owned by the page's layout
    row->addWidget(group);
    createCostInputs(*row);
    static_cast<QVBoxLayout *>(m_page->layout())->addLayout(row);
}

void ScheduleWindow::createCostInputs(QBoxLayout &row)
{
    auto *group = new QGroupBox(QStringLiteral("Costs and plans"), m_page); // owned
    auto *grid = new QGridLayout(group);
    m_insuranceRate = new QLineEdit(group);
    m_insuranceRate->setObjectName(QStringLiteral("mortgageInsuranceRate"));
    m_insuranceRate->setPlaceholderText(QStringLiteral("none"));
    const QString separator =
            QRegularExpression::escape(m_services.locale.current().decimalSeparator);
    m_insuranceRate->setValidator(new QRegularExpressionValidator( // owned by the field
            QRegularExpression(u"\\d{0,2}(" + separator + u"\\d{0,4})?"), m_insuranceRate));
    m_hoa = new QDoubleSpinBox(group);
    m_hoa->setRange(0, 99999.99);
    m_hoa->setGroupSeparatorShown(true);
    m_cancelOnRequest = new QCheckBox(
            QStringLiteral("I will &ask my lender to cancel mortgage insurance at 80 %"), group);
    m_cancelOnRequest->setChecked(true);
    m_yearlyExtra = new QDoubleSpinBox(group);
    m_yearlyExtra->setRange(0, 999999999.99);
    m_yearlyExtra->setGroupSeparatorShown(true);
    m_yearlyMonth = new QComboBox(group);
    for (int month = 1; month <= 12; ++month)
        m_yearlyMonth->addItem(QLocale().standaloneMonthName(month));
    m_yearlyFrom = new QSpinBox(group);
    m_yearlyFrom->setRange(0, 9999);
    // Any year before the loan's pays from the start; 0 says so in words.
    m_yearlyFrom->setSpecialValueText(QStringLiteral("the start"));
    m_biweekly = new QCheckBox(QStringLiteral("Bi-&weekly payments (half every two weeks)"), group);
    auto *rateUnit = new QLabel(QStringLiteral("% of the loan a year"), group);
    grid->addWidget(labelFor(m_insuranceRate, QStringLiteral("Mortgage &insurance:"), group), 0, 0);
    grid->addWidget(m_insuranceRate, 0, 1);
    grid->addWidget(rateUnit, 0, 2, 1, 2);
    m_insuranceRate->setAccessibleDescription(rateUnit->text());
    grid->addWidget(labelFor(m_hoa, QStringLiteral("&HOA dues a month:"), group), 1, 0);
    grid->addWidget(m_hoa, 1, 1);
    grid->addWidget(m_cancelOnRequest, 2, 0, 1, 4);
    grid->addWidget(labelFor(m_yearlyExtra, QStringLiteral("Extra every &year:"), group), 3, 0);
    grid->addWidget(m_yearlyExtra, 3, 1);
    grid->addWidget(labelFor(m_yearlyMonth, QStringLiteral("i&n:"), group), 3, 2);
    grid->addWidget(m_yearlyMonth, 3, 3);
    grid->addWidget(labelFor(m_yearlyFrom, QStringLiteral("from ca&lendar year:"), group), 4, 0);
    grid->addWidget(m_yearlyFrom, 4, 1);
    grid->addWidget(m_biweekly, 5, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    row.addWidget(group);
}

void ScheduleWindow::createSummary()
{
    m_summary = new QLabel(m_page); // owned by the page
    m_summary->setObjectName(QStringLiteral("scheduleSummary"));
    m_summary->setWordWrap(true); // a long totals line must not hold the window wide
    m_summary->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    // No name of its own: a label's name is its text, which is what a screen reader must say.
    m_page->layout()->addWidget(m_summary);
}

void ScheduleWindow::createTableAndChart()
{
    auto *split = new QSplitter(Qt::Horizontal, m_page); // owned by the page
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
    static_cast<QVBoxLayout *>(m_page->layout())->addWidget(split, 1);
}

void ScheduleWindow::createButtons()
{
    auto *row = new QHBoxLayout;
    m_exportCsv = new QPushButton(QStringLiteral("Export &CSV..."), m_page); // owned
    m_print = new QPushButton(QStringLiteral("P&rint..."), m_page);
    m_exportPdf = new QPushButton(QStringLiteral("Export P&DF..."), m_page);
    m_close = new QPushButton(QStringLiteral("Close"), m_page);
    row->addWidget(m_exportCsv);
    row->addWidget(m_print);
    row->addWidget(m_exportPdf);
    row->addStretch(1);
    row->addWidget(m_close);
    static_cast<QVBoxLayout *>(m_page->layout())->addLayout(row);
}

void ScheduleWindow::showPage(QWidget *page, const QString &title)
{
    QWidget *tab = page->parentWidget() ? page->parentWidget()->parentWidget() : nullptr;
    if (!qobject_cast<QScrollArea *>(tab) || m_pages->indexOf(tab) < 0) {
        // A page wider than the room beside the calculator scrolls instead of widening the
        // window past the screen's edge.
        auto *scroll = new QScrollArea(m_pages); // owned by the tabs
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWindowTitle(page->windowTitle());
        scroll->setWidget(page);
        m_pages->addTab(scroll, title);
        tab = scroll;
    }
    m_pages->setCurrentWidget(tab);
}

void ScheduleWindow::showSchedulePage()
{
    m_pages->setCurrentWidget(m_page);
}

void ScheduleWindow::createPages()
{
    auto *outer = new QVBoxLayout(this); // owned by the window
    outer->setContentsMargins(0, 0, 0, 0);
    m_pages = new QTabWidget(this); // owned by the window
    m_pages->setObjectName(QStringLiteral("companionPages"));
    m_pages->setDocumentMode(true);
    // A single page needs no tab; the bar appears once a second page joins.
    m_pages->setTabBarAutoHide(true);
    // The first field takes the focus when the window opens, not the hidden tab bar.
    m_pages->setFocusPolicy(Qt::NoFocus);
    m_page = new QWidget(m_pages); // owned by the tabs
    m_page->setObjectName(QStringLiteral("schedulePage"));
    // Narrow margins: every pixel counts where the window stands beside the calculator.
    (new QVBoxLayout(m_page))->setContentsMargins(6, 6, 6, 6); // owned by the page
    m_pages->addTab(m_page, QStringLiteral("Sch&edule"));
    m_page->setWindowTitle(windowTitle());
    // The frame is named after the page in front, for the task list and screen readers.
    connect(m_pages, &QTabWidget::currentChanged, this, [this] {
        setWindowTitle(m_pages->currentWidget()->windowTitle());
    });
    outer->addWidget(m_pages);
}

} // namespace lw::shell
