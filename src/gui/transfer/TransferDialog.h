#pragma once

#include "gui/transfer/TransferHost.h"
#include "gui/transfer/TransferLine.h"
#include "link/LinkHost.h"
#include "link/LinkSession.h"
#include "link/Transfer.h"

#include <QDialog>
#include <QElapsedTimer>
#include <optional>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace tq58 {

// The transfer dialog (frmRadio): the instructions, the OK, Cancel and Help buttons, the
// progress bar and, in debug mode, the link's status line, over one transfer operation; a
// completed read is also kept as a backup, as the radio gave it. It
// is the link's window: while the link waits, the dialog goes on processing events, so that
// Cancel works and the window repaints.
class TransferDialog : public QDialog, public LinkHost {
    Q_OBJECT

public:
    TransferDialog(TransferHost& host, TransferOperation operation, TransferLine line);

    // The operation completed; the radio data may have changed.
    bool TransferDone() const { return transfer_.TransferDone; }
    std::optional<int> RadioModelType() const { return transfer_.RadioModelType; }

    // LinkHost
    std::int64_t Now() override;
    void Sleep(int milliseconds) override;
    void Yield() override;
    void ShowStatusText(const std::string& text) override;
    void ShowProgressBar(int percent) override;
    void ShowPhase(const LinkPhase& phase) override;
    void Message(const std::string& title, const std::string& text, MessageIcon icon) override;
    void MessagePhrase(const std::string& title, const Phrase& text, MessageIcon icon) override;
    bool Ask(const std::string& title, const std::string& text, QuestionButtons buttons) override;
    void LogError(const std::string& procedure, int number,
                  const std::string& description) override;

public slots:
    // Escape and the window's close button: refused while a transfer runs; only Cancel
    // cancels.
    void reject() override;

private:
    void BuildLayout();
    QLayout* BuildPictures();
    void KeepBackup(const Image& image);
    void PressOk();
    void PressCancel();
    void PressHelp();
    void ShowBusy(bool busy);
    void ProcessEvents();

    TransferHost& host_;
    TransferLine line_;
    LinkSession link_;
    Transfer transfer_;
    QLabel* instructions_ = nullptr;
    QLabel* status_ = nullptr;
    QCheckBox* verify_ = nullptr; // Program to Radio only
    QProgressBar* progress_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* help_ = nullptr;
    QElapsedTimer sinceEvents_;
    bool portProblemShown_ = false;
};

} // namespace tq58
