#include "shell/schedule/compare_page.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include "core/write_error.h"
#include "shell/schedule/compare_table_model.h"
#include "shell/schedule/schedule_printout.h"

namespace lw::shell {

namespace {

const QString Title = QStringLiteral("Compare Offers");
const QString Note = QStringLiteral(
        "Fixed-rate offers only, without extra payments. Type an offer's terms in its column; "
        "italic values are the calculator's. \u2714 marks the best value of a row; amounts in "
        "brackets are the difference to the calculator's column.");

} // namespace

ComparePage::ComparePage(const ScheduleServices &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("comparePage"));
    setWindowTitle(Title);
    m_model = new CompareTableModel(this); // owned by the page
    m_model->setLocale(m_services.locale.current());
    createControls();
    createTable();
}

void ComparePage::createControls()
{
    auto *layout = new QVBoxLayout(this); // owned by the page
    auto *bar = new QHBoxLayout; // owned by the page's layout
    layout->addLayout(bar);
    auto *yearsLabel = new QLabel(QStringLiteral("Costs o&ver"), this);
    m_years = new QSpinBox(this);
    m_years->setObjectName(QStringLiteral("compareYears"));
    m_years->setRange(1, core::MaxCompareYears);
    m_years->setSuffix(QStringLiteral(" years"));
    m_years->setAccessibleName(QStringLiteral("Costs over years"));
    m_years->setValue(m_model->values().years);
    yearsLabel->setBuddy(m_years);
    m_add = new QPushButton(QStringLiteral("&Add offer"), this);
    m_remove = new QPushButton(QStringLiteral("Re&move offer"), this);
    m_exportCsv = new QPushButton(QStringLiteral("Export &CSV..."), this);
    m_print = new QPushButton(QStringLiteral("&Print..."), this);
    bar->addWidget(yearsLabel);
    bar->addWidget(m_years);
    bar->addStretch();
    for (QPushButton *button : { m_add, m_remove, m_exportCsv, m_print })
        bar->addWidget(button);
    connect(m_years, &QSpinBox::valueChanged, this, [this](int years) {
        core::CompareValues v = m_model->values();
        v.years = years;
        m_model->setValues(v);
    });
    connect(m_add, &QPushButton::clicked, this, &ComparePage::addOffer);
    connect(m_remove, &QPushButton::clicked, this, &ComparePage::removeOffer);
    connect(m_exportCsv, &QPushButton::clicked, this, &ComparePage::exportCsv);
    connect(m_print, &QPushButton::clicked, this, &ComparePage::print);
}

void ComparePage::createTable()
{
    m_table = new QTableView(this); // owned by the page
    m_table->setObjectName(QStringLiteral("compareTable"));
    m_table->setAccessibleName(QStringLiteral("Offers compared"));
    m_table->setModel(m_model);
    m_table->setTabKeyNavigation(false); // Tab leaves the table, arrows move inside it
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
            | QAbstractItemView::AnyKeyPressed);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    connect(m_model, &QAbstractItemModel::modelReset, this, &ComparePage::fitColumns);
    auto *note = new QLabel(Note, this);
    note->setWordWrap(true);
    auto *layout = qobject_cast<QVBoxLayout *>(this->layout());
    layout->addWidget(m_table, 1);
    layout->addWidget(note);
}

void ComparePage::follow(const core::ValueRecord &record, const core::ScheduleValues &schedule)
{
    const auto scenario = core::calculatorScenario(record);
    if (!scenario)
        return; // beyond the fields' range: the last loan stays
    core::LoanScenario base = *scenario;
    base.firstPayment = schedule.firstPayment;
    base.mortgageInsuranceRate = schedule.mortgageInsuranceRate;
    base.monthlyHoa = schedule.monthlyHoa;
    base.cancelOnRequest = schedule.cancelOnRequest;
    m_base = base;
    m_stale = true;
    if (isVisible())
        bringUpToDate();
}

void ComparePage::bringUpToDate()
{
    if (!m_stale)
        return;
    m_stale = false;
    m_model->setBase(m_base);
    fitColumns();
}

void ComparePage::showEvent(QShowEvent *event)
{
    bringUpToDate();
    QWidget::showEvent(event);
}

core::CompareValues ComparePage::values() const
{
    return m_model->values();
}

void ComparePage::setValues(const core::CompareValues &values)
{
    m_model->setValues(values);
    const QSignalBlocker quiet(m_years); // the model has the years already
    m_years->setValue(values.years);
}

int ComparePage::currentColumn() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? current.column() : 0;
}

void ComparePage::addOffer()
{
    const int from = currentColumn();
    if (!m_model->addOffer(from)) {
        m_services.feedback.beep(); // six columns are all that fit
        return;
    }
    // The new column's name is selected, ready to be typed over.
    m_table->setCurrentIndex(m_model->index(0, m_model->columnCount() - 1));
    m_table->setFocus();
}

void ComparePage::removeOffer()
{
    const int column = currentColumn();
    if (!m_model->removeOffer(column)) {
        m_services.feedback.beep(); // the calculator's column stays
        return;
    }
    m_table->setCurrentIndex(m_model->index(0, std::min(column, m_model->columnCount() - 1)));
}

void ComparePage::fitColumns()
{
    m_table->resizeColumnsToContents();
}

void ComparePage::exportCsv()
{
    bringUpToDate();
    const auto path = m_services.dialogs.saveFileName(this, QStringLiteral("Export CSV"),
            QStringLiteral("loan-offers.csv"), QStringLiteral("CSV files (*.csv)"));
    if (path && !m_services.files.replace(*path, m_model->csv()))
        m_services.feedback.showError(QString::fromUtf8(core::WriteError(*path).what()));
}

void ComparePage::print()
{
    bringUpToDate();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(Title);
    printer.setPageOrientation(QPageLayout::Landscape); // six offers side by side
    if (!m_services.dialogs.setUpPrinter(this, printer))
        return;
    const QStringList summary{ QStringLiteral("Fixed-rate offers only, without extra payments."),
        QStringLiteral("\u2714 marks the best value of a row; in brackets: the difference to the "
                       "calculator's column.") };
    if (printTable(printer, Title, summary, QString(), *m_model) == 0)
        m_services.feedback.showError(QStringLiteral("The comparison could not be printed."));
}

} // namespace lw::shell
