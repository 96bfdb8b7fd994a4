#include "shell/schedule/compare_page.h"

#include <cmath>

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "support/qt_printers.h"
#include "support/recording_document_dialogs.h"
#include "support/recording_file_store.h"
#include "support/recording_services.h"
#include "support/shell_doubles.h"
#include "support/table_cell_headers.h"

using namespace Qt::StringLiterals;

namespace lw::test {

namespace {

// A completed pass: the price less the down payment at `rate` over 30 years, its payment
// from the annuity formula.
core::ValueRecord pass(double price, double down, double rate)
{
    core::ValueRecord record;
    record.FSalesPrice = price;
    record.FDownPayment = down;
    record.FActualLoan = price - down;
    record.FInterestRate = rate;
    record.FTerm = 30;
    const double r = rate / 1200;
    record.FMonthlyPI = (price - down) * r / (1 - std::pow(1 + r, -360));
    return record;
}

core::ScheduleValues firstIn2027(std::int64_t insuranceRate = 0, core::Cents hoa = 0)
{
    core::ScheduleValues values;
    values.firstPayment = QDate(2027, 1, 1);
    values.mortgageInsuranceRate = insuranceRate;
    values.monthlyHoa = hoa;
    return values;
}

class ComparePageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        page.follow(pass(100000, 20000, 6), firstIn2027());
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    }

    QTableView *table() const { return page.findChild<QTableView *>(u"compareTable"_s); }

    int row(const QString &label) const
    {
        const QAbstractItemModel *model = table()->model();
        for (int r = 0; r < model->rowCount(); ++r)
            if (model->headerData(r, Qt::Vertical).toString() == label)
                return r;
        return -1;
    }

    QString cell(const QString &label, int column) const
    {
        return table()->model()->index(row(label), column).data().toString();
    }

    // Types into a cell as a keyboard user does: move there, type, Enter.
    void type(const QString &label, int column, const QString &text)
    {
        table()->setFocus();
        table()->setCurrentIndex(table()->model()->index(row(label), column));
        // The first key opens the cell's editor, which takes the rest.
        QTest::keyClicks(table(), text.left(1));
        QTest::keyClicks(QApplication::focusWidget(), text.mid(1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents(); // the delegate commits from a queued call
    }

    void addOffer()
    {
        QTest::mouseClick(page.findChild<QPushButton *>(), Qt::LeftButton); // the first button
    }

    RecordingFileStore files;
    RecordingDocumentDialogs dialogs;
    RecordingFeedback feedback;
    CLocaleSource locale;
    shell::ComparePage page{ { files, dialogs, feedback, locale }, nullptr };
};

TEST_F(ComparePageTest, FirstColumnFollowsEveryPassShownOrHidden)
{
    EXPECT_EQ(cell(u"Loan"_s, 0), u"$80,000.00"_s);
    EXPECT_EQ(cell(u"Principal and interest"_s, 0), u"$479.64"_s);
    page.hide();
    page.follow(pass(200000, 40000, 6), firstIn2027());
    page.show();
    // Twice the loan: twice 479.64042 a month.
    EXPECT_EQ(cell(u"Loan"_s, 0), u"$160,000.00"_s);
    EXPECT_EQ(cell(u"Principal and interest"_s, 0), u"$959.28"_s);
    EXPECT_FALSE(table()->model()->flags(table()->model()->index(row(u"Rate (%)"_s), 0))
            & Qt::ItemIsEditable);
}

TEST_F(ComparePageTest, FirstColumnTakesTheSchedulesInsuranceAndDues)
{
    page.follow(pass(100000, 5000, 6), firstIn2027(5500, 5000));
    // 95,000 x 0.55 % / 12 is 43.5417 a month.
    EXPECT_EQ(cell(u"Mortgage insurance a month"_s, 0), u"$43.54"_s);
    EXPECT_EQ(cell(u"HOA dues"_s, 0), u"$50.00"_s);
}

TEST_F(ComparePageTest, AddedOfferTakesTypedTermsAndName)
{
    addOffer();
    ASSERT_EQ(table()->model()->columnCount(), 2);
    EXPECT_EQ(cell(u"Rate (%)"_s, 1), cell(u"Rate (%)"_s, 0)) << "a copy of the column";
    type(u"Name"_s, 1, u"Lender A"_s);
    type(u"Rate (%)"_s, 1, u"5.5"_s);
    type(u"Points (% of the loan)"_s, 1, u"1"_s);
    const core::CompareValues values = page.values();
    ASSERT_EQ(values.offers.size(), 1u);
    const core::Offer &offer = values.offers.front();
    EXPECT_EQ(offer.name, u"Lender A"_s);
    EXPECT_EQ(offer.rate, 55000);
    EXPECT_EQ(offer.points, 10000);
    // 80,000 at 5.5 % over 30 years is 454.23 a month; one point is 800.
    EXPECT_TRUE(cell(u"Principal and interest"_s, 1).startsWith(u"$454.23 (-$25.41)"_s));
    EXPECT_EQ(cell(u"Points"_s, 1), u"$800.00 (+$800.00)"_s);
}

TEST_F(ComparePageTest, CellsReadWithTheirOfferAndRowThroughAccessibility)
{
    addOffer();
    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(table());
    ASSERT_NE(view, nullptr);
    QAccessibleTableInterface *grid = view->tableInterface();
    ASSERT_NE(grid, nullptr);
    QAccessibleInterface *apr = grid->cellAt(row(u"APR"_s), 1);
    ASSERT_NE(apr, nullptr);
    EXPECT_EQ(apr->text(QAccessible::Name), u"6.000 % (same)"_s);
    const lw::test::CellHeaders headers = lw::test::headersOf(*apr);
    EXPECT_EQ(headers.columns, QStringList{ u"Offer 1"_s });
    EXPECT_EQ(headers.rows, QStringList{ u"APR"_s });
}

TEST_F(ComparePageTest, CsvHasAColumnAnOfferAndPlainNumbers)
{
    addOffer();
    dialogs.saveAnswer = u"/home/u/offers.csv"_s;
    page.exportCsv();
    const QList<QByteArray> lines = files.files.at(u"/home/u/offers.csv"_s).split('\n');
    EXPECT_EQ(lines.at(0), "Row,Calculator,Offer 1\r");
    EXPECT_EQ(lines.at(1), "Loan,80000.00,80000.00\r");
}

TEST_F(ComparePageTest, PrintsOnThePrinterChosen)
{
    QTemporaryDir folder;
    dialogs.printToPdf = folder.filePath(u"offers.pdf"_s);
    page.print();
    QFile pdf(dialogs.printToPdf);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    EXPECT_TRUE(feedback.errors.isEmpty());
}

} // namespace

} // namespace lw::test
