#include "shell/schedule/schedule_window.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "core/payment.h"
#include "core/write_error.h"
#include "shell/schedule/printed_loan.h"
#include "shell/schedule/schedule_printout.h"
#include "support/recording_document_dialogs.h"
#include "support/recording_file_store.h"
#include "support/recording_services.h"
#include "support/row_printers.h"
#include "support/shell_doubles.h"
#include "support/table_cell_headers.h"

using namespace Qt::StringLiterals;

namespace lw::test {

namespace {

using shell::ScheduleView;
using shell::ScheduleWindow;

// The default inputs' completed pass: 80,000 at 6 % over 30 years.
core::ValueRecord defaultPass()
{
    core::ValueRecord record;
    record.FSalesPrice = 100000;
    record.FDownPayment = 20000;
    record.FActualLoan = 80000;
    record.FInterestRate = 6;
    record.FTerm = 30;
    record.FMonthlyPI = 479.64042012220557;
    return record;
}

int pdfPages(const QByteArray &pdf)
{
    // Every page object says "/Type /Page"; the page tree says "/Type /Pages".
    return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r")
            + pdf.count("/Type /Page ") + pdf.count("/Type /Page/") + pdf.count("/Type /Page>"));
}

class ScheduleWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.follow(defaultPass());
        // From November: the calendar years then differ from the loan years.
        window.setValues({ {}, QDate(2026, 11, 1), 0, {}, {} });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void chooseView(ScheduleView view)
    {
        window.findChild<QComboBox *>()->setCurrentIndex(static_cast<int>(view));
    }

    QTableView *table() const { return window.findChild<QTableView *>(u"scheduleTable"_s); }

    RecordingFileStore files;
    RecordingDocumentDialogs dialogs;
    RecordingFeedback feedback;
    CLocaleSource locale;
    ScheduleWindow window{ { files, dialogs, feedback, locale }, nullptr };
};

TEST_F(ScheduleWindowTest, CsvOfTheDefaultLoanParsesBack)
{
    dialogs.saveAnswer = QStringLiteral("/home/u/schedule.csv");
    window.exportCsv();
    const QList<QByteArray> lines = files.files.at(u"/home/u/schedule.csv"_s).trimmed().split('\n');
    ASSERT_EQ(lines.size(), 361) << "the header and 360 payments";
    const QList<QByteArray> last = lines.back().trimmed().split(',');
    ASSERT_EQ(last.size(), 12) << "the schedule's seven columns and the five of its costs";
    EXPECT_EQ(last.front(), "360");
    EXPECT_EQ(last[6], "0.00") << "the balance";
    EXPECT_TRUE(files.documents.contains(*dialogs.saveAnswer)) << "a document, not a setting";
}

TEST_F(ScheduleWindowTest, CsvNotWrittenIsReportedAndCancelWritesNothing)
{
    window.exportCsv();
    EXPECT_EQ(files.replacements, 0) << "the dialog was cancelled";
    dialogs.saveAnswer = QStringLiteral("/readonly/schedule.csv");
    files.failReplace = true;
    window.exportCsv();
    EXPECT_EQ(feedback.errors,
            QStringList{ QString::fromUtf8(core::WriteError(*dialogs.saveAnswer).what()) });
}

struct PrintRow
{
    const char *name;
    ScheduleView view;
    int rows;
};

LW_PRINT_ROW_NAME(PrintRow)

class SchedulePrinting : public ScheduleWindowTest, public ::testing::WithParamInterface<PrintRow>
{
};

TEST_P(SchedulePrinting, PrintsTheWholeTableOnTheExpectedPages)
{
    chooseView(GetParam().view);
    ASSERT_EQ(table()->model()->rowCount(), GetParam().rows);
    QTemporaryDir folder;
    dialogs.printToPdf = folder.filePath(u"schedule.pdf"_s);
    window.print();
    QFile pdf(dialogs.printToPdf);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    // The lines a page holds, from the printer's page and the print font's measured height.
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(shell::paperFor(QLocale().measurementSystem())));
    printer.setPageOrientation(QPageLayout::Landscape);
    const QFontMetrics metrics(QFont(u"Arial"_s, 9), &printer);
    const int pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    // The loan's four, a blank, the whole payment, every payment, the payment, totals, payoff.
    const int summaryLines = 10;
    const shell::PrintPages pages{ pageHeight / metrics.lineSpacing(), summaryLines };
    EXPECT_EQ(pdfPages(pdf.readAll()), pages.pageCount(GetParam().rows));
}

INSTANTIATE_TEST_SUITE_P(Views, SchedulePrinting,
        ::testing::Values(PrintRow{ "Monthly", ScheduleView::Monthly, 360 },
                PrintRow{ "CalendarYears", ScheduleView::CalendarYears, 31 },
                PrintRow{ "LoanYears", ScheduleView::LoanYears, 30 }),
        RowName());

// 300,000 with 15,000 down at 6.5 % over 30 years: a 95 % loan.
core::ValueRecord insuredPass()
{
    core::ValueRecord record;
    record.FSalesPrice = 300000;
    record.FDownPayment = 15000;
    record.FActualLoan = 285000;
    record.FInterestRate = 6.5;
    record.FTerm = 30;
    record.FMonthlyPI = static_cast<double>(core::CalcPayment(285000, 6.5, 360, 6));
    return record;
}

TEST_F(ScheduleWindowTest, MortgageInsuranceIsChargedUpToThePaymentThatEndsIt)
{
    window.follow(insuredPass());
    window.findChild<QLineEdit *>(u"mortgageInsuranceRate"_s)->setText(u"0.55"_s);
    // Where the rules end it, from the same loan put to the costs directly.
    core::LoanScenario loan = *core::calculatorScenario(insuredPass());
    loan.firstPayment = QDate(2026, 11, 1);
    loan.mortgageInsuranceRate = 5500;
    const int last = core::monthlyCosts(loan, core::scenarioSchedule(loan))
                             .mortgageInsurance.applied.lastPayment;
    ASSERT_GT(last, 1);
    const QAbstractItemModel &model = *table()->model();
    ASSERT_EQ(model.headerData(7, Qt::Horizontal).toString(), u"Mortgage ins."_s);
    // 285,000 x 0.55 % / 12 = 130.625, a cent's half rounded away from zero.
    EXPECT_EQ(model.index(0, 7).data().toString(), u"$130.63"_s);
    EXPECT_EQ(model.index(last - 1, 7).data().toString(), u"$130.63"_s);
    EXPECT_EQ(model.index(last, 7).data().toString(), u"$0.00"_s);
    dialogs.saveAnswer = QStringLiteral("/home/u/schedule.csv");
    window.exportCsv();
    const QList<QByteArray> lines = files.files.at(*dialogs.saveAnswer).split('\n');
    EXPECT_EQ(lines[0].trimmed(),
            "Number,Date,Payment,Interest,Principal,Extra,Balance,Taxes,Insurance,"
            "Mortgage insurance,HOA,Total");
    EXPECT_EQ(lines[last].split(',')[9], "130.63") << "the last premium";
    EXPECT_EQ(lines[last + 1].split(',')[9], "0.00");
}

TEST_F(ScheduleWindowTest, APassWithNoLoanShowsAnEmptyTable)
{
    core::ValueRecord paidInCash = defaultPass();
    paidInCash.FDownPayment = paidInCash.FSalesPrice;
    paidInCash.FActualLoan = 0;
    window.follow(paidInCash);
    EXPECT_EQ(table()->model()->rowCount(), 0);
    EXPECT_EQ(table()->model()->headerData(-1, Qt::Vertical), QVariant());
}

TEST(PrintedLoan, SaysWhichLoanAndExtrasAndUsesTheLocalesPaper)
{
    core::ValueRecord pass = defaultPass();
    pass.FSalesPrice = 100000;
    pass.FDownPayment = 20000;
    core::ScheduleValues choices{ { 10000, 13, {} }, QDate(2027, 1, 1), 1, u" 12=5000; x "_s, {} };
    EXPECT_EQ(shell::printedLoan(pass, choices, {}, QLocale::c()),
            (QStringList{ u"Price: $100,000.00    Down payment: $20,000.00    Loan: $80,000.00"_s,
                    u"Rate: 6 %    Term: 30 years    First payment: Jan 2027"_s,
                    u"Extra every month: $100.00 from payment 13    One-time extras: 12=5000; x"_s,
                    u"Mortgage insurance: none    HOA dues: $0.00 a month"_s }));
    core::ScheduleValues plans;
    plans.extras.yearly = { 200000, 6, 2030 };
    plans.extras.biweekly = true;
    plans.mortgageInsuranceRate = 5500;
    plans.monthlyHoa = 5000;
    const QStringList planned = shell::printedLoan(pass, plans, {}, QLocale::c());
    EXPECT_EQ(planned.mid(2),
            (QStringList{ u"Extra every year: $2,000.00 in June from 2030    Bi-weekly payments"_s,
                    u"Mortgage insurance: 0.55 % of the loan a year, cancelled on request at "
                    "80 %    HOA dues: $50.00 a month"_s }));
    EXPECT_EQ(shell::paperFor(QLocale(QLocale::English, QLocale::UnitedStates).measurementSystem()),
            QPageSize::Letter);
    EXPECT_EQ(
            shell::paperFor(QLocale(QLocale::English, QLocale::UnitedKingdom).measurementSystem()),
            QPageSize::A4);
}

TEST_F(ScheduleWindowTest, PdfExportReplacesTheFileInOneStep)
{
    dialogs.saveAnswer = QStringLiteral("/home/u/schedule.pdf");
    window.exportPdf();
    EXPECT_EQ(files.replacements, 1);
    EXPECT_TRUE(files.files.at(*dialogs.saveAnswer).startsWith("%PDF"));
    EXPECT_TRUE(files.documents.contains(*dialogs.saveAnswer)) << "a document, not a setting";
}

TEST_F(ScheduleWindowTest, TabReachesEveryControl)
{
    QList<QWidget *> reached;
    QWidget *start = QApplication::focusWidget();
    ASSERT_NE(start, nullptr);
    QWidget *at = start;
    do {
        reached << at;
        QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
    } while (at != start && reached.size() < 50);
    for (QWidget *control : window.findChildren<QWidget *>()) {
        const bool isControl = (control->focusPolicy() & Qt::TabFocus) && control->isVisible()
                && !control->focusProxy();
        if (isControl) {
            EXPECT_TRUE(reached.contains(control)) << control->metaObject()->className();
        }
    }
}

TEST_F(ScheduleWindowTest, TableReadsWithHeadersThroughAccessibility)
{
    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(table());
    ASSERT_NE(view, nullptr);
    QAccessibleTableInterface *grid = view->tableInterface();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->rowCount(), 360);
    EXPECT_EQ(grid->columnCount(), 10);
    QAccessibleInterface *cell = grid->cellAt(0, 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), u"$479.64"_s);
    const lw::test::CellHeaders headers = lw::test::headersOf(*cell);
    EXPECT_EQ(headers.columns, QStringList{ u"Payment"_s });
    EXPECT_EQ(headers.rows, QStringList{ u"1"_s });
}

TEST_F(ScheduleWindowTest, ChartTellsScreenReadersWhatItShows)
{
    QAccessibleInterface *chart =
            QAccessible::queryAccessibleInterface(window.findChild<QWidget *>(u"scheduleChart"_s));
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->role(), QAccessible::Chart);
    EXPECT_EQ(chart->text(QAccessible::Name), u"Balance and amounts paid"_s);
    EXPECT_TRUE(
            chart->text(QAccessible::Description)
                    .startsWith(u"The balance falls from $80,000.00 to $0.00 over 360 payments"_s));
}

TEST_F(ScheduleWindowTest, IsAnnouncedAsAWindowWithItsTitle)
{
    QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(&window);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->role(), QAccessible::Window);
    EXPECT_EQ(frame->text(QAccessible::Name), u"Amortization Schedule"_s);
}

TEST_F(ScheduleWindowTest, SummaryIsReadAsItsText)
{
    QAccessibleInterface *summary =
            QAccessible::queryAccessibleInterface(window.findChild<QLabel *>(u"scheduleSummary"_s));
    ASSERT_NE(summary, nullptr);
    const QString text = summary->text(QAccessible::Name);
    EXPECT_TRUE(text.startsWith(
            u"Your payment is $479.64 a month: principal and interest $479.64.\n"_s))
            << text.toStdString();
    EXPECT_TRUE(text.contains(u"\nMonthly payment (principal and interest): $479.64"_s));
}

TEST_F(ScheduleWindowTest, AnUnreadableOneTimeExtraIsNamedAndTheOthersUsed)
{
    auto *oneTime = window.findChild<QLineEdit *>();
    oneTime->setText(u"12=5000; sixty=100"_s);
    EXPECT_LT(window.schedule().rows.size(), 360U) << "the extra that reads is applied";
    EXPECT_TRUE(window.findChild<QLabel *>(u"scheduleSummary"_s)
                        ->text()
                        .contains(u"Entry 2, \"sixty=100\", is not payment=amount."_s));
    oneTime->setText(u"12=100000"_s);
    EXPECT_EQ(window.schedule().rows.size(), 12U);
}

} // namespace

} // namespace lw::test
