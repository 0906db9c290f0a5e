#include "model/Decoder.h"
#include "model/ImageHeader.h"
#include "model/NewData.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tq58;

// New RV7700A data with every channel in use, so every list and directory is full.
RadioData FullData(const ModelState& model) {
    RadioData data;
    (void)NewData(data, model);
    for (auto* list : {&data.Settings.CHUSA, &data.Settings.CHINT, &data.Settings.CHCAN,
                       &data.Settings.CHWX, &data.Settings.CHEXP}) {
        for (ChannelRecord& channel : *list) {
            channel.Enable = true;
            channel.ChTag = "CHANNEL NAME";
        }
    }
    for (DirectoryRecord& entry : data.Settings.CHMMSID) {
        entry = {true, "STATION", "123456789"};
    }
    (void)PrepareOutgoingImage(data, model);
    return data;
}

ModelState Rv7700a() {
    ModelState model;
    model.ModelType = 2;
    return model;
}

void DecodeFullImage(benchmark::State& state) {
    const ModelState model = Rv7700a();
    RadioData data = FullData(model);
    for (auto _ : state) {
        DecodeImage(data, model);
        benchmark::DoNotOptimize(data.Settings.CHUSA.data());
    }
}
BENCHMARK(DecodeFullImage)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

void EncodeAndPrepareFullImage(benchmark::State& state) {
    const ModelState model = Rv7700a();
    RadioData data = FullData(model);
    for (auto _ : state) {
        benchmark::DoNotOptimize(PrepareOutgoingImage(data, model).Ok);
        benchmark::DoNotOptimize(data.MemoryImage.data());
    }
}
BENCHMARK(EncodeAndPrepareFullImage)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace
