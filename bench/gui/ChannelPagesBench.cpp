// Filling the channel grid and the channel panel, as the window does each time a node is
// shown. Run from the build's bin folder, where global.ini and the default images are.
#include "BenchWindow.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tq58;
using tq58::bench::TheWindow;

// Each fill shows the other of two nodes, so that every control changes as it does when the
// user moves from node to node.
void Fill(benchmark::State& state, const std::string& key, NodeRef first, NodeRef second) {
    auto& window = TheWindow();
    window.Show(key);
    bool other = false;
    for (auto _ : state) {
        window.Fill(other ? second : first);
        other = !other;
    }
}

void Configure(benchmark::internal::Benchmark* benchmark) {
    benchmark->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);
}

const NodeRef UsaGrid{NodeKind::GroupGrid, GroupUsa, 0};
const NodeRef ExpGrid{NodeKind::ExpGrid, GroupExp, 0};
const NodeRef Channel16{NodeKind::PlanChannel, GroupUsa, 32};
const NodeRef Channel70{NodeKind::PlanChannel, GroupUsa, 140};
const NodeRef Exp5{NodeKind::ExpChannel, GroupExp, 4};

BENCHMARK_CAPTURE(Fill, GroupGrid240, "PU", UsaGrid, UsaGrid)->Apply(Configure);
BENCHMARK_CAPTURE(Fill, ExpGrid64, "ExpChannel", ExpGrid, ExpGrid)->Apply(Configure);
BENCHMARK_CAPTURE(Fill, PlanChannelPanel, "PU32", Channel16, Channel70)->Apply(Configure);
BENCHMARK_CAPTURE(Fill, PlanOrExpChannelPanel, "E5", Channel16, Exp5)->Apply(Configure);

} // namespace

TQ58_WINDOW_BENCHMARK_MAIN()
