// The settings file: any bytes as the old file, a save of the calculator's values into it,
// then a load. The values come back as they were written, and the old file's lines that are
// not the program's own entries survive the save.
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <QList>
#include <QStringConverter>

#include "core/saved_values.h"
#include "core/value_record.h"
#include "core/value_text.h"
#include "fuzz_input.h"
#include "support/recording_file_store.h"

namespace {

using lw::core::ValueRecord;

const QList<QByteArray> OwnKeys = { "salesprice", "downpayment", "actualloan", "interestrate",
    "term", "annualtaxes", "annualinsurance", "monthlypi", "monthlypiti", "run" };

// A number from the input, as a calculation pass leaves them: finite, and short of the
// largest double, which 15 significant digits round up past (1.79769313486232E308 reads as
// no number).
double storable(lw::fuzz::FuzzInput &input)
{
    const double value = input.raw<double>();
    return std::isfinite(value) && std::fabs(value) < 1e308 ? value : 0;
}

ValueRecord record(lw::fuzz::FuzzInput &input)
{
    ValueRecord values;
    values.FCommonDataFolder = QStringLiteral("/c");
    values.FDataSubFolder = lw::core::dataSubFolder();
    for (double ValueRecord::*member : { &ValueRecord::FSalesPrice, &ValueRecord::FDownPayment,
                 &ValueRecord::FActualLoan, &ValueRecord::FInterestRate, &ValueRecord::FAnnualTaxes,
                 &ValueRecord::FAnnualInsurance, &ValueRecord::FMonthlyPI,
                 &ValueRecord::FMonthlyPITI })
        values.*member = storable(input);
    values.FTerm = input.raw<std::int32_t>();
    values.FRunBefore = input.pick(2) == 1;
    return values;
}

// The file's lines as text, whatever its encoding, split at every line end.
QList<QByteArray> lines(const QByteArray &file)
{
    QByteArray text = file;
    if (file.startsWith("\xFF\xFE") || file.startsWith("\xFE\xFF")) {
        auto decode = QStringDecoder(file.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                                 : QStringConverter::Utf16BE);
        text = QString(decode(file.sliced(2, file.size() / 2 * 2 - 2))).toUtf8();
    }
    text.replace('\r', '\n');
    return text.split('\n');
}

bool ownEntry(const QByteArray &line)
{
    const qsizetype equals = line.indexOf('=');
    return equals >= 0 && OwnKeys.contains(line.left(equals).trimmed().toLower());
}

void fail(const char *what, const QByteArray &detail)
{
    std::fprintf(stderr, "%s: %s\n", what, detail.toHex(' ').constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    lw::fuzz::FuzzInput input(data, size);
    const ValueRecord saved = record(input);
    const QString path = lw::core::settingsFilePath(saved);
    lw::test::RecordingFileStore files;
    const QByteArray old = input.rest();
    files.files[path] = old;
    const lw::platform::LocaleInfo locale;
    try {
        lw::core::SaveValuesAtExit(saved, files, locale);
    } catch (const std::exception &) {
        return 0; // refused whole: nothing was written, nothing to check
    }
    ValueRecord loaded = saved;
    lw::core::loadSavedValues(loaded, files, locale);
    for (double ValueRecord::*member : { &ValueRecord::FSalesPrice, &ValueRecord::FDownPayment,
                 &ValueRecord::FActualLoan, &ValueRecord::FInterestRate, &ValueRecord::FAnnualTaxes,
                 &ValueRecord::FAnnualInsurance, &ValueRecord::FMonthlyPI,
                 &ValueRecord::FMonthlyPITI }) {
        // The file holds 15 significant digits: the value comes back as written.
        if (lw::core::floatText(loaded.*member, locale)
                != lw::core::floatText(saved.*member, locale))
            fail("value changed", lw::core::floatText(saved.*member, locale).toUtf8());
    }
    if (loaded.FTerm != saved.FTerm || loaded.FRunBefore != saved.FRunBefore)
        fail("term or flag changed", old);
    const QList<QByteArray> before = lines(old);
    const QList<QByteArray> after = lines(files.files[path]);
    for (const QByteArray &line : before) {
        if (!ownEntry(line) && after.count(line) < before.count(line))
            fail("line lost", line);
    }
    return 0;
}
