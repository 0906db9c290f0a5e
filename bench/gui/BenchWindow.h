#pragma once

// The real main window for a window benchmark, on the RV7700A with every group in use and
// every USA and EXP channel enabled: the largest tree the program builds. Run from the
// build's bin folder, where global.ini and the default images are.
#include "gui/MainWindow.h"
#include "gui/editor/EditorFrame.h"
#include "gui/editor/Page.h"
#include "program/SettingsStore.h"

#include <QApplication>
#include <memory>

namespace tq58::bench {

class BenchWindow {
public:
    BenchWindow()
        : window_(std::make_unique<MainWindow>(data_, store_,
                                               QCoreApplication::applicationDirPath().toStdString(),
                                               StartOptions{})) {
        store_.Write("Settings", "lastmodel", "2");
        // A benchmark has nobody to answer a message box: it would wait for ever.
        window_->Prompts().AnswerWith([](const MessageRequest&) { return QMessageBox::Ok; });
        window_->Start();
        window_->show();
        SettingsRecord& settings = data_.Settings;
        for (std::vector<ChannelRecord>* list : {&settings.CHUSA, &settings.CHEXP}) {
            for (ChannelRecord& channel : *list) {
                channel.Enable = true;
                channel.ChTag = "CHANNEL NAME";
                channel.CHDisplayL = "01";
                channel.Rxfreq = 156.025;
                channel.Txfreq = 160.625;
            }
        }
        for (UsableGroupRecord& group : settings.UsableChGroup) {
            group.Enable = true;
        }
        window_->RebuildTree();
    }

    MainWindow& Window() { return *window_; }

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

inline BenchWindow& TheWindow() {
    static BenchWindow window;
    return window;
}

} // namespace tq58::bench

// The window benchmarks' main: offscreen, with the application every window needs.
#define TQ58_WINDOW_BENCHMARK_MAIN()                                                               \
    int main(int argc, char** argv) {                                                              \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        QApplication application(argc, argv);                                                      \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
