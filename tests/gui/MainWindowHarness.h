#pragma once

// The real main window for a window test: started on the program folder the tests run in
// (build/bin), with settings in memory, message boxes and file dialogs answered from scripts.

#include "gui/MainWindow.h"
#include "gui/editor/EditorFrame.h"

#include <QDir>
#include <QQueue>
#include <QTest>
#include <QTreeWidget>
#include <memory>

namespace tq58::test {

class MainWindowHarness {
public:
    explicit MainWindowHarness(StartOptions options = {},
                               std::string programFolder = QDir::currentPath().toStdString())
        : window(std::make_unique<MainWindow>(data, store, std::move(programFolder), options)) {
        window->SetFilePause(0);
        window->Prompts().AnswerWith([this](const MessageRequest& request) {
            shown << request.Title + "|" + request.Text;
            return answers.isEmpty() ? DefaultAnswer(request.Buttons) : answers.dequeue();
        });
        window->Files().AnswerWith([this](const FileRequest&) {
            return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
        });
    }

    // Starts the window and shows it; false when start-up refused.
    bool Start() {
        if (!window->Start()) {
            return false;
        }
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    QTreeWidget* Tree() const { return window->Editor()->Tree(); }
    template <typename T> T* Find(const QString& name) const { return window->findChild<T*>(name); }
    // Selects the tree node with the key as a user would, page check included.
    bool SelectNode(const std::string& key) { return window->Editor()->SelectNode(key); }
    // The last message box's "title|text", empty when none was shown.
    QString LastShown() const { return shown.isEmpty() ? QString() : shown.last(); }

    MemorySettingsStore store;
    RadioData data;
    std::unique_ptr<MainWindow> window;
    QStringList shown;                           // "title|text" of every box, in order
    QQueue<QMessageBox::StandardButton> answers; // the next boxes' answers
    QQueue<QString> fileAnswers;                 // the next file dialogs' answers

private:
    static QMessageBox::StandardButton DefaultAnswer(QMessageBox::StandardButtons buttons) {
        for (auto button : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::Retry}) {
            if (buttons.testFlag(button)) {
                return button;
            }
        }
        return QMessageBox::NoButton;
    }
};

} // namespace tq58::test
