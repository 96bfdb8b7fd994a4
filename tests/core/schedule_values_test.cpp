#include "core/schedule_values.h"

#include <gtest/gtest.h>

#include "support/recording_file_store.h"
#include "support/row_printers.h"

using lw::core::ScheduleValues;

namespace {

const QString Path = QStringLiteral("/home/u/.config/Ferrowind/Loanwright/lwcalc.ini");

TEST(ScheduleValues, ReadBackAsWrittenBesideTheCalculatorsSections)
{
    lw::test::RecordingFileStore files;
    const QByteArray calculator = "[GeneralValues]\nRun=1\n[LastValues]\nterm=15\n";
    files.files[Path] = calculator;
    ScheduleValues values;
    values.extras = { 10050, 13, { { 60, 500000 } } };
    values.firstPayment = QDate(2027, 3, 1);
    values.view = 2;
    values.oneTimeText = QStringLiteral(" 60=5000;  x=3 ");
    lw::platform::LocaleInfo comma;
    comma.decimalSeparator = QStringLiteral(",");
    lw::platform::ProfileFile settings(calculator);
    ASSERT_TRUE(lw::core::writeScheduleValues(settings, values, comma));
    files.files[Path] = settings.toBytes();
    EXPECT_TRUE(files.files[Path].startsWith(calculator)) << "the calculator's entries stay";
    EXPECT_EQ(lw::core::loadScheduleValues(Path, files, comma), values);
}

struct BadEntryRow
{
    const char *name;
    const char *entry;
};

LW_PRINT_ROW_NAME(BadEntryRow)

class UnreadableScheduleEntry : public ::testing::TestWithParam<BadEntryRow>
{
};

TEST_P(UnreadableScheduleEntry, GivesTheDefault)
{
    lw::test::RecordingFileStore files;
    files.files[Path] = QByteArray("[ScheduleValues]\n") + GetParam().entry + '\n';
    EXPECT_EQ(lw::core::loadScheduleValues(Path, files, {}), ScheduleValues{});
}

INSTANTIATE_TEST_SUITE_P(Entries, UnreadableScheduleEntry,
        ::testing::Values(BadEntryRow{ "MonthlyExtraText", "MonthlyExtra=abc" },
                BadEntryRow{ "NegativeMonthlyExtra", "MonthlyExtra=-5" },
                BadEntryRow{ "PaymentNumberZero", "MonthlyExtraFrom=0" },
                BadEntryRow{ "NoSuchMonth", "FirstPayment=2027-13" },
                BadEntryRow{ "NoSuchView", "View=7" }),
        lw::test::RowName());

} // namespace
