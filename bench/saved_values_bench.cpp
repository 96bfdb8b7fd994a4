// Loading and saving the settings file: the profile edits in memory, a file padded with
// 10,000 foreign lines, and a save to the disk with its flushes.
#include <QTemporaryDir>

#include "core/saved_values.h"
#include "platform/disk_file_store.h"
#include "platform/profile_file.h"
#include "support/recording_file_store.h"

#include <benchmark/benchmark.h>

namespace {

using namespace Qt::StringLiterals;

lw::core::ValueRecord savedRecord(const QString &base)
{
    lw::core::ValueRecord record;
    record.FCommonDataFolder = base;
    record.FDataSubFolder = lw::core::dataSubFolder();
    record.FSalesPrice = 100000;
    record.FMonthlyPI = 479.64042012220191;
    record.FTerm = 30;
    return record;
}

void BM_SaveAndLoadInMemory(benchmark::State &state)
{
    const lw::core::ValueRecord record = savedRecord(u"/base"_s);
    lw::test::RecordingFileStore store;
    QByteArray &file = store.files[lw::core::settingsFilePath(record)];
    file = "[LastValues]\n"; // foreign lines inside the section are the costly case
    for (int i = 0; i < state.range(0); ++i)
        file += "junk line with no equals sign\n";
    for (auto _ : state) {
        lw::core::SaveValuesAtExit(record, store, {});
        lw::core::ValueRecord loaded = savedRecord(u"/base"_s);
        lw::core::loadSavedValues(loaded, store, {});
        benchmark::DoNotOptimize(loaded.FMonthlyPI);
    }
}

BENCHMARK(BM_SaveAndLoadInMemory)->Arg(0)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_SaveToDisk(benchmark::State &state)
{
    QTemporaryDir dir;
    const lw::core::ValueRecord record = savedRecord(dir.path());
    lw::platform::DiskFileStore store;
    for (auto _ : state)
        lw::core::SaveValuesAtExit(record, store, {});
}

BENCHMARK(BM_SaveToDisk)->UseRealTime()->Unit(benchmark::kMicrosecond);

} // namespace
