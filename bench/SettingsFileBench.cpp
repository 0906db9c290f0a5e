// Time to save and to read a full settings text file (every EXP channel, directory entry
// and call sign in use, about 9,400 lines). Run: build/bin/tq58-bench-SettingsFileBench

#include "files/SettingsFile.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

using namespace tq58;

ModelState Rv7700A() {
    return {2, "RV7700A", true, true, true};
}

RadioData FullData() {
    RadioData data;
    (void)NewData(data, Rv7700A()); // factory data always fits the image
    SettingsRecord& s = data.Settings;
    for (std::size_t k = 0; k < s.CHEXP.size(); ++k) {
        s.CHEXP[k].Enable = true;
        s.CHEXP[k].Rxfreq = 156.0125 + 0.025 * static_cast<double>(k);
        s.CHEXP[k].Txfreq = 160.6125 + 0.025 * static_cast<double>(k);
        s.CHEXP[k].ChTag = "EXP CHANNEL " + std::to_string(k + 1);
    }
    for (std::size_t k = 0; k < s.CHMMSID.size(); ++k) {
        s.CHMMSID[k] = {true, "STATION " + std::to_string(k), std::to_string(366000000 + k)};
    }
    for (std::size_t k = 0; k < s.CHGRPID.size(); ++k) {
        s.CHGRPID[k] = {true, "GROUP " + std::to_string(k), std::to_string(36600000 + k)};
    }
    for (std::size_t k = 0; k < s.AtisCallSign.size(); ++k) {
        s.AtisCallSign[k] = {"DE" + std::to_string(k % 10), std::to_string(100 + k)};
    }
    return data;
}

std::string BenchFile() {
    return (std::filesystem::temp_directory_path() / "tq58-bench-settings.dat").string();
}

void SaveFullFile(benchmark::State& state) {
    const RadioData data = FullData();
    const std::string path = BenchFile();
    for (auto _ : state) {
        benchmark::DoNotOptimize(SaveFileAs(path, data.Settings, Rv7700A(), {}));
    }
    const std::string text = SettingsFileText(data.Settings, Rv7700A());
    state.counters["lines"] = static_cast<double>(std::count(text.begin(), text.end(), '\n'));
    std::filesystem::remove(path);
}

void ReadFullFile(benchmark::State& state) {
    const RadioData data = FullData();
    const std::string path = BenchFile();
    (void)SaveFileAs(path, data.Settings, Rv7700A(), {});
    RadioData target = data;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadSettingsFile(path, target, Rv7700A(), {}));
    }
    std::filesystem::remove(path);
}

void ParseFullText(benchmark::State& state) {
    const std::string text = SettingsFileText(FullData().Settings, Rv7700A());
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseDataText(text));
    }
}

} // namespace

// Medians of five runs each.
BENCHMARK(SaveFullFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ReadFullFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ParseFullText)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
