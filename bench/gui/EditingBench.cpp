// Undo and redo with their page refill, a paste of EXP rows checked and applied, and the
// memory of a long undo history. Run from the build's bin folder, where global.ini and the
// default images are.
#include "BenchWindow.h"
#include "editor/ChangeNames.h"
#include "editor/EditHistory.h"
#include "editor/GridRows.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QTableView>
#include <benchmark/benchmark.h>

namespace {

using namespace tq58;
using tq58::bench::TheWindow;

// A fresh history on the window's data as it is, as after an opened file.
void Restart(MainWindow& window) {
    window.Editor()->ResetTo("General");
    const_cast<UndoSteps&>(window.Undo()).Reset(true);
}

// Each iteration undoes or redoes the step, in turn, and refills the page of its node.
void UndoRedo(benchmark::State& state, MainWindow& window) {
    bool undo = true;
    for (auto _ : state) {
        (undo ? window.Menus().EditUndo : window.Menus().EditRedo)->trigger();
        undo = !undo;
    }
}

void UndoRedoField(benchmark::State& state) {
    MainWindow& window = TheWindow().Window();
    Restart(window);
    TheWindow().Show("E3");
    double& rx = window.Data().Settings.CHEXP[2].Rxfreq;
    rx = rx == 157.0 ? 157.025 : 157.0;
    window.CommitStep({});
    UndoRedo(state, window);
}

std::string DirectoryRows(const std::string& prefix) {
    std::string text;
    for (int i = 1; i <= IndividualDirectorySize; ++i) {
        text += std::to_string(i) + "\t" + prefix + std::to_string(i) + "\t" +
                std::to_string(366000000 + i) + "\n";
    }
    return text;
}

void UndoRedoPaste80(benchmark::State& state) {
    MainWindow& window = TheWindow().Window();
    Restart(window);
    TheWindow().Show("SM");
    std::vector<std::string> keys;
    for (int i = 1; i <= IndividualDirectorySize; ++i) {
        keys.push_back(std::to_string(i));
    }
    const bool ships = window.Data().Settings.CHMMSID[0].TagName == "SHIP1";
    PastedRows pasted = PasteRows(window.Data().Settings, window.Model(), CsvList::Individual,
                                  {keys, {"Memory ID", "Station Name", "MMSI"}},
                                  DirectoryRows(ships ? "BOAT" : "SHIP"));
    if (!pasted.Result.Ok) {
        state.SkipWithError("paste refused");
        return;
    }
    window.Data().Settings = std::move(pasted.Settings);
    window.CommitStep(RowsStepName(RowsCommand::Paste, CsvList::Individual, 80));
    UndoRedo(state, window);
}

std::string ExpRows(const char* name) {
    std::string text;
    for (int i = 1; i <= ExpChannelCount; ++i) {
        text += std::to_string(i) + "\tOn\t" + (i < 10 ? "0" : "") + std::to_string(i) +
                "\t156.025\t160.625\t" + "Off\tOff\tOn\tOff\t" + name + "\n";
    }
    return text;
}

// Ctrl+V on the EXP grid: the rows are checked, applied as one step and shown.
void PasteExp64(benchmark::State& state) {
    MainWindow& window = TheWindow().Window();
    Restart(window);
    TheWindow().Show("ExpChannel");
    auto* grid = window.Editor()->PageFor(NodeKind::ExpGrid)->findChild<QTableView*>();
    // Every paste but the first replaces 64 filled channels, which the user allows.
    window.Prompts().AnswerWith([](const MessageRequest&) { return QMessageBox::Yes; });
    const std::array<QString, 2> texts{QString::fromStdString(ExpRows("HARBOUR")),
                                       QString::fromStdString(ExpRows("MARINA"))};
    for (auto _ : state) {
        state.PauseTiming();
        const bool harbour = window.Data().Settings.CHEXP[0].ChTag == "HARBOUR";
        QApplication::clipboard()->setText(texts[harbour ? 1 : 0]);
        grid->selectRow(0);
        state.ResumeTiming();
        QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
        QApplication::sendEvent(grid, &paste);
    }
    window.Prompts().AnswerWith([](const MessageRequest&) { return QMessageBox::Ok; });
    if (window.Undo().History().StepCount() == 0) {
        state.SkipWithError("nothing pasted");
    }
}

// 1,000 steps: single fields as typed on the pages, or 64-row pastes at worst.
void History1000(benchmark::State& state) {
    const bool pastes = state.range(0) == 1;
    for (auto _ : state) {
        SettingsRecord settings = TheWindow().Window().Data().Settings;
        EditHistory history;
        history.Reset(settings, true);
        for (int step = 0; step < 1000; ++step) {
            for (int row = 0; row < (pastes ? ExpChannelCount : 1); ++row) {
                ChannelRecord& channel =
                    settings.CHEXP[static_cast<std::size_t>(pastes ? row : step % ExpChannelCount)];
                channel.ChTag = "NAME" + std::to_string(step % 10);
                channel.Rxfreq = 156.025 + 0.025 * (step % 40);
            }
            history.Commit(settings, "E1", RowsStepName(RowsCommand::Paste, CsvList::Exp, 1));
        }
        state.counters["MB"] = static_cast<double>(history.HeldBytes()) / (1024.0 * 1024.0);
    }
}

void Configure(benchmark::internal::Benchmark* benchmark) {
    benchmark->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
}

BENCHMARK(UndoRedoField)->Apply(Configure);
BENCHMARK(UndoRedoPaste80)->Apply(Configure);
BENCHMARK(PasteExp64)->Apply(Configure);
BENCHMARK(History1000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

TQ58_WINDOW_BENCHMARK_MAIN()
