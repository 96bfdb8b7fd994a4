#include "core/saved_values.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "core/schedule_values.h"
#include "core/write_error.h"
#include "platform/disk_file_store.h"
#include "support/core_doubles.h"
#include "support/recording_file_store.h"
#include "support/row_printers.h"

using namespace lw::core;
using namespace lw::test;
using lw::platform::DiskFileStore;
using lw::platform::LocaleInfo;
using namespace Qt::StringLiterals;

namespace {

const QString Base = u"/home/u/.config"_s;
const QString Path = u"/home/u/.config/Ferrowind/Loanwright/lwcalc.ini"_s;

ValueRecord withFolders(const QString &base = Base)
{
    ValueRecord record;
    record.FCommonDataFolder = base;
    record.FDataSubFolder = dataSubFolder();
    return record;
}

LocaleInfo commaLocale()
{
    LocaleInfo locale;
    locale.decimalSeparator = u","_s;
    return locale;
}

struct Page
{
    FakeField price, down, loan, rate, taxes, insurance, pi, piti;
    FakeButton rb15, rb20, rb30;
    FakeLabel s1, s2, s3;

    CalculatorControls controls()
    {
        return { price, down, loan, rate, taxes, insurance, pi, piti, rb15, rb20, rb30, s1, s2,
            s3 };
    }
};

// Start-up as far as it concerns saved values: load, restore, then the first pass.
ValueRecord startWith(const QByteArray &file, Page &page, const LocaleInfo &locale = {})
{
    RecordingFileStore store;
    store.files[Path] = file;
    ValueRecord record = withFolders();
    loadSavedValues(record, store, locale);
    restoreFields(record, page.controls());
    Calculate(record, page.controls(), locale);
    return record;
}

QByteArray saved(const ValueRecord &record, RecordingFileStore store = {})
{
    SaveValuesAtExit(record, store, {});
    return store.files.at(Path);
}

QList<QByteArray> linesOf(const QByteArray &bytes)
{
    return bytes.split('\n');
}

} // namespace

TEST(SavedValues, NoFileGivesTheDefaults)
{
    RecordingFileStore store;
    ValueRecord record = withFolders();
    record.FTerm = 7;
    loadSavedValues(record, store, {});
    EXPECT_EQ(record.FSalesPrice, 100000);
    EXPECT_EQ(record.FDownPayment, 20000);
    EXPECT_EQ(record.FActualLoan, 80000);
    EXPECT_EQ(record.FInterestRate, 6);
    EXPECT_EQ(record.FTerm, 30);
    EXPECT_EQ(record.FAnnualTaxes, 500);
    EXPECT_EQ(record.FAnnualInsurance, 500);
    EXPECT_EQ(record.FMonthlyPI, 0);
    EXPECT_EQ(record.FMonthlyPITI, 0);
    EXPECT_FALSE(record.FRunBefore);
}

TEST(SavedValues, FirstRunWritesTheDefaultFile)
{
    Page page;
    ValueRecord record = startWith({}, page);
    record.FRunBefore = true; // start-up sets it after the first-run help
    // The payment by the closed form at 50 digits is 479.640420122201915..., with taxes and
    // insurance 562.973753455535249...; the file holds both to 15 digits.
    EXPECT_EQ(saved(record).toStdString(),
            "[LastValues]\nSalesPrice=100000\nDownpayment=20000\nActualLoan=80000\n"
            "InterestRate=6\nterm=30\nAnnualTaxes=500\nAnnualInsurance=500\n"
            "MonthlyPI=479.640420122202\nMonthlyPITI=562.973753455535\n"
            "[GeneralValues]\nRun=1\n");
}

TEST(SavedValues, FifteenYearTermKeepsItsButtonAndTheSavedInputs)
{
    Page page;
    const ValueRecord record = startWith("[LastValues]\nTerm=15\nAnnualTaxes=1200\n"
                                         "AnnualInsurance=900\nSalesPrice=200000\n",
            page);
    EXPECT_TRUE(page.rb15.checked);
    EXPECT_FALSE(page.rb30.checked);
    EXPECT_EQ(record.FTerm, 15);
    EXPECT_EQ(record.FSalesPrice, 200000);
    EXPECT_EQ(record.FAnnualTaxes, 1200);
    EXPECT_EQ(record.FAnnualInsurance, 900);
}

TEST(SavedValues, AnyOtherTermChecksThirtyAndSavesThirty)
{
    Page page;
    const QByteArray file("[LastValues]\nTerm=25\n");
    const ValueRecord record = startWith(file, page);
    EXPECT_TRUE(page.rb30.checked);
    EXPECT_FALSE(page.rb15.checked || page.rb20.checked);
    RecordingFileStore store;
    store.files[Path] = file;
    EXPECT_TRUE(linesOf(saved(record, store)).contains("Term=30"));
}

TEST(SavedValues, UnreadableRateGivesSixAndHexTermReads)
{
    Page page;
    startWith("[lastvalues]\nINTERESTRATE=abc\nterm=0x14\n", page);
    EXPECT_EQ(page.rate.value, 6);
    EXPECT_TRUE(page.rb20.checked);
}

TEST(SavedValues, DecimalsNeedTheLocaleSeparator)
{
    const QByteArray file("[LastValues]\nSalesPrice=150000\nInterestRate=6,5\nMonthlyPI=479,64\n");
    RecordingFileStore store;
    store.files[Path] = file;
    ValueRecord underDot = withFolders();
    loadSavedValues(underDot, store, {});
    EXPECT_EQ(underDot.FSalesPrice, 150000);
    EXPECT_EQ(underDot.FInterestRate, 6);
    EXPECT_EQ(underDot.FMonthlyPI, 0);
    ValueRecord underComma = withFolders();
    loadSavedValues(underComma, store, commaLocale());
    EXPECT_EQ(underComma.FSalesPrice, 150000);
    EXPECT_EQ(underComma.FInterestRate, 6.5);
    EXPECT_EQ(underComma.FMonthlyPI, 479.64);
}

TEST(SavedValues, KeyInTheReadersSpellingIsUpdatedInPlace)
{
    RecordingFileStore store;
    store.files[Path] = "[LastValues]\r\nDownPayment=30000\r\n";
    ValueRecord record = withFolders();
    loadSavedValues(record, store, {});
    EXPECT_EQ(record.FDownPayment, 30000);
    record.FDownPayment = 25000;
    const QByteArray after = saved(record, store);
    EXPECT_TRUE(after.startsWith("[LastValues]\r\nDownPayment=25000\r\nSalesPrice=100000\r\n"));
    EXPECT_FALSE(after.contains("Downpayment"));
}

namespace {

struct BadFile
{
    const char *name;
    QByteArray bytes;
    double salesPrice; // what loading it gives
};

LW_PRINT_ROW_NAME(BadFile)

std::string badFileName(const testing::TestParamInfo<BadFile> &row)
{
    return row.param.name;
}

template <size_t N>
QByteArray raw(const char (&text)[N])
{
    return QByteArray(text, N - 1); // keeps NUL bytes
}

QByteArray junkLines()
{
    QByteArray junk;
    for (int i = 0; i < 10000; ++i)
        junk += "no equals sign " + QByteArray::number(i) + '\n';
    return junk;
}

} // namespace

class SavingOverBadFiles : public testing::TestWithParam<BadFile>
{
};

// Loading gives the value or the default, and a save keeps every line it did not write.
TEST_P(SavingOverBadFiles, KeepsWhatTheProgramDidNotWrite)
{
    const BadFile &c = GetParam();
    RecordingFileStore store;
    store.files[Path] = c.bytes;
    ValueRecord record = withFolders();
    loadSavedValues(record, store, {});
    EXPECT_EQ(record.FSalesPrice, c.salesPrice);

    record.FSalesPrice = 123456.78;
    record.FRunBefore = true;
    SaveValuesAtExit(record, store, {});
    const QList<QByteArray> after = linesOf(store.files[Path]);
    qsizetype next = 0;
    for (const QByteArray &line : linesOf(c.bytes)) {
        if (line.trimmed().toLower().startsWith("salesprice"))
            continue;
        next = after.indexOf(line, next);
        ASSERT_GE(next, 0) << "lost line: " << line.left(60).toStdString();
    }
    ValueRecord reloaded = withFolders();
    loadSavedValues(reloaded, store, {});
    EXPECT_EQ(reloaded.FSalesPrice, 123456.78);
    EXPECT_TRUE(reloaded.FRunBefore);
}

INSTANTIATE_TEST_SUITE_P(Files, SavingOverBadFiles,
        testing::Values(BadFile{ "CrLf", "[LastValues]\r\nSalesPrice=5\r\n", 5 },
                BadFile{ "NoFinalNewline", "[LastValues]\nSalesPrice=5", 5 },
                BadFile{ "ByteOrderMark", "\xEF\xBB\xBF[LastValues]\nSalesPrice=5\n", 5 },
                BadFile{ "CommentsAndBlanks", "; mine\n\n[LastValues]\n;SalesPrice=9\n\n", 100000 },
                BadFile{ "UnclosedHeader", "[Other]\n[LastValues\nSalesPrice=5\n", 100000 },
                BadFile{ "DuplicateSectionsAndKeys",
                        "[LastValues]\nSalesPrice=5\nSALESPRICE=6\n[LastValues]\nSalesPrice=7\n",
                        5 },
                BadFile{ "BlanksAndQuotes", "[LastValues]\n SalesPrice \t= \"  15 \"\n", 15 },
                BadFile{ "JunkLines", junkLines() + "[LastValues]\nSalesPrice=5\n", 5 },
                BadFile{ "MegabyteLine",
                        "[LastValues]\nSalesPrice=" + QByteArray(1 << 20, '9') + "\n", 100000 },
                BadFile{ "BinaryAndNul", raw("\0\xFF\xFE[\x01]=\0\n[LastValues]\nSalesPrice=5\0\n"),
                        100000 }),
        badFileName);

TEST(SavedValues, UnreadableFileGivesDefaultsAndIsNotReplaced)
{
    RecordingFileStore store;
    store.unreadable.insert(Path);
    ValueRecord record = withFolders();
    loadSavedValues(record, store, {});
    EXPECT_EQ(record.FSalesPrice, 100000);
    EXPECT_THROW(SaveValuesAtExit(record, store, {}), WriteError);
    EXPECT_EQ(store.replacements, 0);
}

TEST(SavedValues, FailedSaveNamesTheFileAndWritesNothing)
{
    RecordingFileStore store;
    store.files[Path] = "[LastValues]\nSalesPrice=5\n";
    ValueRecord record = withFolders();
    store.failReplace = true;
    try {
        SaveValuesAtExit(record, store, {});
        FAIL() << "no error";
    } catch (const WriteError &error) {
        EXPECT_EQ(QByteArray(error.what()), "Unable to write to " + Path.toUtf8());
    }
    EXPECT_EQ(store.files[Path], "[LastValues]\nSalesPrice=5\n");
    store.failReplace = false;
    store.failMakePath = true;
    EXPECT_THROW(SaveValuesAtExit(record, store, {}), WriteError);
    EXPECT_EQ(store.replacements, 0);
}

TEST(SavedValuesOnDisk, SaveCreatesTheFolderAndLoadsBack)
{
    QTemporaryDir dir;
    DiskFileStore store;
    ValueRecord record = withFolders(dir.filePath(u"config"_s));
    record.FSalesPrice = 250000.5;
    record.FTerm = 20;
    record.FMonthlyPI = 0.00005;
    record.FRunBefore = true;
    SaveValuesAtExit(record, store, commaLocale());
    ValueRecord back = withFolders(record.FCommonDataFolder);
    loadSavedValues(back, store, commaLocale());
    EXPECT_EQ(back.FSalesPrice, 250000.5);
    EXPECT_EQ(back.FTerm, 20);
    EXPECT_EQ(back.FMonthlyPI, 0.00005);
    EXPECT_TRUE(back.FRunBefore);
}

TEST(SavedValuesOnDisk, SaveFailsWhenAFileOrFolderIsInTheWay)
{
    QTemporaryDir dir;
    DiskFileStore store;
    QFile blocker(dir.filePath(u"file"_s));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    EXPECT_THROW(SaveValuesAtExit(withFolders(blocker.fileName()), store, {}), WriteError);
    const ValueRecord record = withFolders(dir.filePath(u"base"_s));
    ASSERT_TRUE(QDir().mkpath(settingsFilePath(record)));
    EXPECT_THROW(SaveValuesAtExit(record, store, {}), WriteError);
    EXPECT_TRUE(QFileInfo(settingsFilePath(record)).isDir());
}

namespace {

struct TwoCopies
{
    const char *name;
    bool priceCopyClosesFirst;
};

LW_PRINT_ROW_NAME(TwoCopies)

// One copy as the window runs it: what it read, and what it holds when it closes.
struct Copy
{
    ValueRecord asRead = withFolders();
    ScheduleValues scheduleAsRead;
    ValueRecord now;
    ScheduleValues scheduleNow;

    explicit Copy(const RecordingFileStore &store)
    {
        loadSavedValues(asRead, store, {});
        scheduleAsRead = loadScheduleValues(Path, store, {});
        now = asRead;
        scheduleNow = scheduleAsRead;
    }

    void close(RecordingFileStore &store) const
    {
        SaveValuesAtExit(now, store, {}, { [this](lw::platform::ProfileFile &settings) {
            return writeScheduleValues(settings, scheduleNow, {}, &scheduleAsRead);
        } },
                &asRead);
    }
};

class SavedValuesOfTwoCopies : public testing::TestWithParam<TwoCopies>
{
};

} // namespace

TEST_P(SavedValuesOfTwoCopies, EachCloseKeepsWhatTheOtherChanged)
{
    RecordingFileStore store;
    store.files[Path] = "[LastValues]\nSalesPrice=100000\nInterestRate=6\nterm=30\n"
                        "[ScheduleValues]\nMonthlyExtra=0\nView=0\n";
    Copy price(store);
    Copy rate(store);
    price.now.FSalesPrice = 250000;
    price.scheduleNow.extras.monthly = 5000; // 50.00
    rate.now.FInterestRate = 7.25;
    rate.scheduleNow.view = 2;
    const bool priceFirst = GetParam().priceCopyClosesFirst;
    (priceFirst ? price : rate).close(store);
    (priceFirst ? rate : price).close(store);

    ValueRecord after = withFolders();
    loadSavedValues(after, store, {});
    EXPECT_EQ(after.FSalesPrice, 250000);
    EXPECT_EQ(after.FInterestRate, 7.25);
    EXPECT_EQ(after.FTerm, 30);
    const ScheduleValues schedule = loadScheduleValues(Path, store, {});
    EXPECT_EQ(schedule.extras.monthly, 5000);
    EXPECT_EQ(schedule.view, 2);
}

INSTANTIATE_TEST_SUITE_P(CloseOrder, SavedValuesOfTwoCopies,
        testing::Values(TwoCopies{ "PriceCopyFirst", true }, TwoCopies{ "RateCopyFirst", false }),
        RowName());
