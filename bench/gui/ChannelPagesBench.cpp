// Filling the channel grid and the channel panel, as the window does each time a node is
// shown. Run from the build's bin folder, where global.ini and the default images are.
#include "gui/MainWindow.h"
#include "gui/editor/EditorFrame.h"
#include "gui/editor/Page.h"
#include "program/SettingsStore.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace tq58;

// The real main window on the RV7700A, every USA and EXP channel in use.
class Window {
public:
    Window()
        : window_(std::make_unique<MainWindow>(data_, store_,
                                               QCoreApplication::applicationDirPath().toStdString(),
                                               StartOptions{})) {
        store_.Write("Settings", "lastmodel", "2");
        window_->Start();
        window_->show();
        SettingsRecord& settings = data_.Settings;
        for (std::vector<ChannelRecord>* list : {&settings.CHUSA, &settings.CHEXP}) {
            for (ChannelRecord& channel : *list) {
                channel.Enable = true;
                channel.ChTag = "CHANNEL NAME";
                channel.Rxfreq = 156.025;
                channel.Txfreq = 160.625;
            }
        }
        settings.UsableChGroup[GroupUsa].Enable = true;
        settings.UsableChGroup[GroupExp].Enable = true;
        window_->RebuildTree();
    }

    // The page of the key is the one shown, as after a click on its node.
    void Show(const std::string& key) { window_->Editor()->ResetTo(key); }

    void Fill(const NodeRef& node) {
        Page* page = window_->Editor()->PageFor(node.Kind);
        FillScope filling(*window_);
        page->Fill(node);
    }

private:
    RadioData data_;
    MemorySettingsStore store_;
    std::unique_ptr<MainWindow> window_;
};

Window& TheWindow() {
    static Window window;
    return window;
}

// Each fill shows the other of two nodes, so that every control changes as it does when the
// user moves from node to node.
void Fill(benchmark::State& state, const std::string& key, NodeRef first, NodeRef second) {
    Window& window = TheWindow();
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

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
