#include "model/NewData.h"
#include "report/PrintedReport.h"
#include "report/ReportText.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tq58;

void EnableAll(std::vector<ChannelRecord>& list) {
    for (ChannelRecord& channel : list) {
        channel.Enable = true;
        channel.ChTag = "CHANNEL NAME";
    }
}

// The largest report the radio can ask for: every channel in use, every directory entry
// filled, every EXP channel with off-raster frequencies to snap.
RadioData FullDataSet(const ModelState& model) {
    RadioData data;
    (void)NewData(data, model);
    SettingsRecord& settings = data.Settings;
    for (auto* list :
         {&settings.CHUSA, &settings.CHINT, &settings.CHCAN, &settings.CHWX, &settings.CHEXP}) {
        EnableAll(*list);
    }
    for (ChannelRecord& channel : settings.CHEXP) {
        channel.Rxfreq = 156.0610;
        channel.Txfreq = 160.6610;
    }
    for (DirectoryRecord& entry : settings.CHMMSID) {
        entry = {true, "STATION", "366123456"};
    }
    for (DirectoryRecord& entry : settings.CHGRPID) {
        entry = {true, "GROUP", "036612345"};
    }
    return data;
}

const ModelState FullModel{2, "RV7700A", true, true, true};

void BM_BuildReport(benchmark::State& state) {
    RadioData data = FullDataSet(FullModel);
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildReport(data, FullModel));
    }
}
BENCHMARK(BM_BuildReport)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_BuildPrintedReport(benchmark::State& state) {
    RadioData data = FullDataSet(FullModel);
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildPrintedReport(data, FullModel, 60));
    }
}
BENCHMARK(BM_BuildPrintedReport)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
