// Drives the real main window through one transfer against a serial device (tq58-radio-sim on
// a pseudo-terminal), as a user would: Transfer > Read from Radio or Program to Radio, then
// OK in the dialog. Prints the transfer's wall time and the process's processor time during
// it, for bench/gui-link-bench.sh. Message boxes are answered with their first button.
#include "gui/MainMenus.h"
#include "gui/MainWindow.h"
#include "model/ModelCatalogue.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>

namespace {

std::int64_t CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000 + t.tv_usec / 1000; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

std::int64_t WallMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

struct Figures {
    std::int64_t WallMs = -1;
    std::int64_t CpuMs = -1;
    bool Completed = false;
};

// Presses OK in the transfer dialog once it is up; the transfer runs inside the click.
void PressOkWhenShown(Figures& figures) {
    QTimer::singleShot(0, [&figures] {
        QWidget* dialog = QApplication::activeModalWidget();
        auto* ok = dialog ? dialog->findChild<QPushButton*>("cmdOK") : nullptr;
        if (!ok) {
            PressOkWhenShown(figures);
            return;
        }
        const std::int64_t wall = WallMs();
        const std::int64_t cpu = CpuMs();
        ok->click();
        figures.WallMs = WallMs() - wall;
        figures.CpuMs = CpuMs() - cpu;
    });
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The backups of the timed reads stay out of the user's own folder.
    QStandardPaths::setTestModeEnabled(true);
    const QStringList args = QApplication::arguments();
    if (args.size() != 4 || (args[1] != "read" && args[1] != "program")) {
        std::fprintf(stderr, "usage: tq58-gui-transfer-driver read|program DEVICE MODEL\n");
        return 2;
    }
    const auto modelType = tq58::ParseModel(args[3].toStdString());
    if (!modelType) {
        std::fprintf(stderr, "unknown model\n");
        return 2;
    }
    tq58::MemorySettingsStore store;
    store.Write("ComPath", "ComNum", "2");
    store.Write("ComPath", "Device2", args[2].toStdString());
    store.Write("Settings", "lastmodel", std::to_string(*modelType));
    tq58::RadioData data;
    tq58::MainWindow window(data, store, QCoreApplication::applicationDirPath().toStdString(), {});
    if (!window.Start()) {
        return 1;
    }
    Figures figures;
    window.Prompts().AnswerWith([&figures](const tq58::MessageRequest& request) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(request.Title), qPrintable(request.Text));
        figures.Completed |= request.Text == "Complete!!";
        return QMessageBox::StandardButton(static_cast<int>(request.Buttons) &
                                           -static_cast<int>(request.Buttons));
    });
    window.show();
    QAction* command =
        args[1] == "read" ? window.Menus().TransferRead : window.Menus().TransferProgram;
    QTimer::singleShot(0, [&] {
        PressOkWhenShown(figures);
        command->trigger();
        QApplication::quit();
    });
    QApplication::exec();
    std::printf("%lld %lld\n", static_cast<long long>(figures.WallMs),
                static_cast<long long>(figures.CpuMs));
    return figures.Completed ? 0 : 1;
}
