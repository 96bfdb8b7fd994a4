#include "shell/schedule/schedule_window.h"

#include <algorithm>
#include <cmath>

#include <QAccessibleWidget>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "core/cost_summary.h"
#include "core/one_time_extras.h"
#include "core/schedule_csv.h"
#include "core/schedule_summary.h"
#include "core/value_text.h"
#include "core/write_error.h"
#include "platform/gui/accessible_factory.h"
#include "shell/schedule/printed_loan.h"
#include "shell/schedule/schedule_chart.h"
#include "shell/schedule/schedule_printout.h"

namespace lw::shell {

namespace {

core::Cents cents(const QDoubleSpinBox &field)
{
    return std::llround(field.value() * 100);
}

QAccessibleInterface *windowAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(ScheduleWindow::staticMetaObject.className()))
        return new QAccessibleWidget(
                static_cast<QWidget *>(object), QAccessible::Window); // the cache owns it
    return nullptr;
}

QDate nextMonth()
{
    const QDate today = QDate::currentDate();
    return QDate(today.year(), today.month(), 1).addMonths(1);
}

} // namespace

ScheduleWindow::ScheduleWindow(const ScheduleServices &services, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmSchedule"));
    setWindowTitle(QStringLiteral("Amortization Schedule"));
    createPages();
    createInputs();
    createSummary();
    createTableAndChart();
    createButtons();
    m_firstPayment->setDate(nextMonth());
    connectInputs();
    resize(900, 600);
    // Announced as a window with its title, not as a nameless pane.
    platform::installAccessibleFactoryOnce<&windowAccessible>();
}

void ScheduleWindow::connectInputs()
{
    const auto changed = [this] {
        if (!m_applying)
            recompute();
    };
    connect(m_monthlyExtra, &QDoubleSpinBox::valueChanged, this, changed);
    connect(m_extraFrom, &QSpinBox::valueChanged, this, changed);
    connect(m_oneTime, &QLineEdit::textChanged, this, changed);
    connect(m_firstPayment, &QDateEdit::dateChanged, this, changed);
    connect(m_view, &QComboBox::currentIndexChanged, this, changed);
    connect(m_insuranceRate, &QLineEdit::textChanged, this, changed);
    connect(m_hoa, &QDoubleSpinBox::valueChanged, this, changed);
    connect(m_cancelOnRequest, &QCheckBox::toggled, this, changed);
    connect(m_yearlyExtra, &QDoubleSpinBox::valueChanged, this, changed);
    connect(m_yearlyMonth, &QComboBox::currentIndexChanged, this, changed);
    connect(m_yearlyFrom, &QSpinBox::valueChanged, this, changed);
    connect(m_biweekly, &QCheckBox::toggled, this, changed);
    connect(m_exportCsv, &QPushButton::clicked, this, &ScheduleWindow::exportCsv);
    connect(m_print, &QPushButton::clicked, this, &ScheduleWindow::print);
    connect(m_exportPdf, &QPushButton::clicked, this, &ScheduleWindow::exportPdf);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
}

void ScheduleWindow::follow(const core::ValueRecord &record)
{
    m_pass = record;
    m_base = core::calculatorScenario(record);
    m_payments = record.FTerm * 12;
    limitFirstPayment();
    // A hidden window catches up when it is shown again.
    m_stale = true;
    if (isVisible())
        recompute();
}

void ScheduleWindow::limitFirstPayment()
{
    // Later first months would leave the last payments without a date to write.
    const QDate latest = core::latestFirstPayment(m_payments);
    m_firstPayment->setMaximumDate(latest);
    const QString why = u"The first payment can be no later than "
            + core::monthYear(latest, QLocale()) + u", so the last falls by Dec 9999.";
    m_firstPayment->setToolTip(why);
    m_firstPayment->setAccessibleDescription(why);
}

core::ScheduleValues ScheduleWindow::values() const
{
    core::ScheduleValues v;
    v.extras = readExtras(core::oneTimeEntries(m_oneTime->text(), m_services.locale.current()));
    v.mortgageInsuranceRate = mortgageInsuranceRate();
    v.monthlyHoa = cents(*m_hoa);
    v.cancelOnRequest = m_cancelOnRequest->isChecked();
    v.firstPayment = m_firstPayment->date();
    v.view = m_view->currentIndex();
    v.oneTimeText = m_oneTime->text();
    v.window = QRect(pos(), size());
    return v;
}

void ScheduleWindow::setValues(const core::ScheduleValues &v)
{
    m_applying = true;
    m_monthlyExtra->setValue(core::toAmount(v.extras.monthly));
    m_extraFrom->setValue(v.extras.monthlyFrom);
    m_oneTime->setText(v.oneTimeText);
    if (v.firstPayment.isValid())
        m_firstPayment->setDate(v.firstPayment);
    m_view->setCurrentIndex(v.view);
    m_insuranceRate->setText(v.mortgageInsuranceRate == 0
                    ? QString()
                    : core::floatText(static_cast<double>(v.mortgageInsuranceRate)
                                    / static_cast<double>(core::RateScale),
                            m_services.locale.current()));
    m_hoa->setValue(core::toAmount(v.monthlyHoa));
    m_cancelOnRequest->setChecked(v.cancelOnRequest);
    m_yearlyExtra->setValue(core::toAmount(v.extras.yearly.amount));
    m_yearlyMonth->setCurrentIndex(v.extras.yearly.month - 1);
    m_yearlyFrom->setValue(v.extras.yearly.fromYear);
    m_biweekly->setChecked(v.extras.biweekly);
    m_applying = false;
    m_stale = true;
    if (isVisible())
        recompute();
}

void ScheduleWindow::showEvent(QShowEvent *event)
{
    bringUpToDate();
    QWidget::showEvent(event);
}

void ScheduleWindow::bringUpToDate()
{
    if (m_stale)
        recompute();
}

core::ExtraPayments ScheduleWindow::readExtras(const std::vector<core::OneTimeEntry> &oneTime) const
{
    core::ExtraPayments extras{ cents(*m_monthlyExtra), m_extraFrom->value(),
        core::readableExtras(oneTime) };
    extras.yearly = { cents(*m_yearlyExtra), m_yearlyMonth->currentIndex() + 1,
        m_yearlyFrom->value() };
    extras.biweekly = m_biweekly->isChecked();
    return extras;
}

std::int64_t ScheduleWindow::mortgageInsuranceRate() const
{
    // The field accepts only digits and one separator, so what does not read is empty.
    const auto rate = core::parseFloat(m_insuranceRate->text(), m_services.locale.current());
    return rate ? core::toScaledRate(*rate).value_or(0) : 0;
}

core::LoanScenario ScheduleWindow::scenario() const
{
    core::LoanScenario s = m_base.value_or(core::LoanScenario{});
    if (!m_base) // the pass's amounts do not fit: the schedule says it is out of range
        s.passPayment = std::nan("");
    s.firstPayment = m_firstPayment->date();
    s.extras = readExtras(m_oneTimeEntries);
    s.mortgageInsuranceRate = mortgageInsuranceRate();
    s.monthlyHoa = cents(*m_hoa);
    s.cancelOnRequest = m_cancelOnRequest->isChecked();
    return s;
}

void ScheduleWindow::recompute()
{
    m_oneTimeEntries = core::oneTimeEntries(m_oneTime->text(), m_services.locale.current());
    const core::LoanScenario loan = scenario();
    m_schedule = core::scenarioSchedule(loan);
    m_costs = core::monthlyCosts(loan, m_schedule);
    const platform::LocaleInfo money = m_services.locale.current();
    const QLocale dates;
    m_model->setSchedule(
            m_schedule, m_costs, static_cast<ScheduleView>(m_view->currentIndex()), money, dates);
    fitColumns();
    m_chart->setSchedule(m_schedule, money, dates);
    m_summary->setText(summaryLines().join(u'\n'));
    m_stale = false;
    Q_EMIT scheduleUpdated();
}

void ScheduleWindow::fitColumns()
{
    const QFontMetrics metrics = m_table->fontMetrics();
    const auto widest = [&metrics](const QStringList &texts) {
        int width = 0;
        for (const QString &text : texts)
            width = std::max(width, metrics.horizontalAdvance(text));
        return width + 8; // the cell's margins and a pixel of air on each side
    };
    const std::vector<QStringList> samples = m_model->widthSamples();
    int total = 0;
    for (int column = 0; column < static_cast<int>(samples.size()); ++column) {
        const QString header =
                m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const int width = widest(samples[static_cast<size_t>(column)] + QStringList{ header });
        m_table->setColumnWidth(column, width);
        if (column < ScheduleTableModel::ScheduleColumns)
            total += width;
    }
    // The schedule's own columns stay in sight, so the window still fits beside the
    // calculator on common screens; the costs scroll into view where room is short, and the
    // chart takes what is left.
    const int rowHeader =
            widest({ m_model->headerData(m_model->rowCount() - 1, Qt::Vertical, Qt::DisplayRole)
                             .toString() });
    const int scrollBar =
            m_table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_table);
    m_table->setMinimumWidth(total + rowHeader + scrollBar + 2 * m_table->frameWidth());
}

QStringList ScheduleWindow::summaryLines() const
{
    const platform::LocaleInfo money = m_services.locale.current();
    return core::costSummary(m_costs, money, QLocale())
            + core::scheduleSummary(m_schedule, money, QLocale())
            + core::oneTimeEntryNotes(m_oneTimeEntries, m_schedule);
}

void ScheduleWindow::exportCsv()
{
    const auto path = m_services.dialogs.saveFileName(this, QStringLiteral("Export CSV"),
            QStringLiteral("amortization-schedule.csv"), QStringLiteral("CSV files (*.csv)"));
    if (path && !m_services.files.replaceDocument(*path, core::scheduleCsv(m_schedule, m_costs)))
        m_services.feedback.showError(QString::fromUtf8(core::WriteError(*path).what()));
}

void ScheduleWindow::exportPdf()
{
    const auto path = m_services.dialogs.saveFileName(this, QStringLiteral("Export PDF"),
            QStringLiteral("amortization-schedule.pdf"), QStringLiteral("PDF files (*.pdf)"));
    if (!path)
        return;
    // Written in memory first, so the file is replaced in one step like every other file.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(windowTitle());
        writer.setResolution(300);
        writer.setPageSize(QPageSize(paperFor(QLocale().measurementSystem())));
        writer.setPageOrientation(QPageLayout::Landscape); // ten columns of amounts
        if (!printOn(writer))
            return;
    }
    if (!m_services.files.replaceDocument(*path, bytes))
        m_services.feedback.showError(QString::fromUtf8(core::WriteError(*path).what()));
}

void ScheduleWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    // The locale's paper, unless the print dialog is told otherwise.
    printer.setPageSize(QPageSize(paperFor(QLocale().measurementSystem())));
    printer.setPageOrientation(QPageLayout::Landscape); // ten columns of amounts
    if (m_services.dialogs.setUpPrinter(this, printer))
        printOn(printer);
}

bool ScheduleWindow::printOn(QPagedPaintDevice &device)
{
    // So that two printouts can be told apart: which loan, which extras.
    const QStringList summary =
            printedLoan(m_pass, values(), m_services.locale.current(), QLocale())
            + QStringList{ QString() } + summaryLines();
    const QString rowHeading =
            m_view->currentIndex() == 0 ? QStringLiteral("No.") : QStringLiteral("Year");
    if (printSchedule(device, summary, rowHeading, *m_model) > 0)
        return true;
    m_services.feedback.showError(QStringLiteral("The schedule could not be printed."));
    return false;
}

} // namespace lw::shell
