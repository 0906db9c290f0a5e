#pragma once

// The real main window for a window test: started on the program folder the tests run in
// (build/bin), with settings in memory, message boxes and file dialogs answered from scripts,
// and the simulated radio at the end of the transfer lines when a test connects one.

#include "gui/MainWindow.h"
#include "gui/editor/EditorFrame.h"
#include "sim/SimPort.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QQueue>
#include <QTest>
#include <QTreeWidget>
#include <memory>

namespace tq58::test {

inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A control of the modal dialog that is open; null when there is none.
template <typename T> T* InDialog(const QString& name) {
    QWidget* dialog = QApplication::activeModalWidget();
    return dialog ? dialog->findChild<T*>(name) : nullptr;
}

inline void ClickInDialog(const QString& button) {
    QTest::mouseClick(InDialog<QPushButton>(button), Qt::LeftButton);
}

// The simulated radio's time passes only while the link waits: a transfer takes a moment.
class VirtualLinkClock : public LinkClock {
public:
    explicit VirtualLinkClock(VirtualClock& clock) : clock_(clock) {}
    std::int64_t Now() override { return clock_.Now(); }
    void WaitUntil(std::int64_t ms) override { clock_.AdvanceTo(ms); }

private:
    VirtualClock& clock_;
};

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

    // Starts the window, with the model of the number ("2": RV7700A) when one is given, then
    // shows and activates it; false when start-up refused.
    bool Start(const char* model = nullptr) {
        if (model) {
            store.Write("Settings", "lastmodel", model);
        }
        if (!window->Start()) {
            return false;
        }
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    void ConnectRadio(SimRadio& radio, VirtualClock& clock) {
        window->SetTransferLines([&radio, &clock](int) {
            return TransferLine{std::make_unique<SimPort>(radio, clock), "sim",
                                std::make_shared<VirtualLinkClock>(clock)};
        });
    }

    void SaveAs(const QString& path) {
        fileAnswers << path;
        window->Menus().FileSaveAs->trigger();
    }

    QTreeWidget* Tree() const { return window->Editor()->Tree(); }
    template <typename T> T* Find(const QString& name) const {
        T* control = window->findChild<T*>(name);
        if (!control) {
            qFatal("no control %s", qPrintable(name));
        }
        return control;
    }
    // Selects the tree node with the key as a user would, page check included.
    bool SelectNode(const std::string& key) { return window->Editor()->SelectNode(key); }
    // Goes into the field as a user does (a click, unless Tab took the focus there), which
    // offers its whole text for overtyping, and types.
    void Type(const QString& name, const QString& text) {
        auto* field = Find<QLineEdit>(name);
        if (QApplication::focusWidget() != field) {
            QTest::mouseClick(field, Qt::LeftButton);
        }
        QVERIFY(QTest::qWaitFor([field] { return field->selectedText() == field->text(); }));
        QTest::keyClicks(field, text);
    }
    // Types and leaves the field by Tab.
    void TypeAndTab(const QString& name, const QString& text) {
        Type(name, text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCoreApplication::processEvents();
    }
    // The caption as the desktop shows it, with "*" while the data has changed.
    QString Caption() const {
        return window->windowTitle().replace("[*]", window->isWindowModified() ? "*" : "");
    }
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
