// Building the navigation tree anew (the largest tree: every group in use) and moving from one
// node to another as a click does: the page check, the page's fill and the repaint.
#include "BenchWindow.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <benchmark/benchmark.h>

namespace {

using tq58::bench::TheWindow;

void RebuildTree(benchmark::State& state) {
    auto& window = TheWindow();
    for (auto _ : state) {
        window.Window().RebuildTree();
    }
    int nodes = 0;
    for (QTreeWidgetItemIterator it(window.Window().Editor()->Tree()); *it; ++it) {
        ++nodes;
    }
    state.counters["nodes"] = nodes;
}

void SwitchNode(benchmark::State& state, const std::string& first, const std::string& second) {
    auto& window = TheWindow();
    window.Show(first);
    bool other = false;
    for (auto _ : state) {
        window.Window().Editor()->SelectNode(other ? first : second);
        QCoreApplication::processEvents();
        other = !other;
    }
}

void Configure(benchmark::internal::Benchmark* benchmark) {
    benchmark->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
}

BENCHMARK(RebuildTree)->Apply(Configure);
BENCHMARK_CAPTURE(SwitchNode, ChannelToExpChannel, "PU32", "E5")->Apply(Configure);
BENCHMARK_CAPTURE(SwitchNode, GridToSettings, "PU", "DSC")->Apply(Configure);

} // namespace

TQ58_WINDOW_BENCHMARK_MAIN()
