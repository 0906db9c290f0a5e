#include "gui/transfer/TransferDialog.h"

#include "gui/BusyScope.h"
#include "gui/Messages.h"
#include "gui/TextCodec.h"
#include "gui/Translations.h"
#include "gui/help/HelpWindow.h"
#include "gui/transfer/LinkText.h"
#include "gui/transfer/ShowChangesButton.h"
#include "gui/transfer/TransferPicture.h"
#include "platform/SerialPortProblem.h"
#include "platform/UserDataFolder.h"
#include "program/SettingsStore.h"
#include "program/StartOptions.h"
#include "program/UserSettings.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tq58 {

namespace {

constexpr QSize DialogSize(465, 290);
constexpr int TransferHelpContext = 1012;
// The longest the window goes without processing its events during a pause.
constexpr int PauseSliceMs = 10;
// Between two passes over the window's events while the link polls the port: often enough
// for Cancel and repainting, rare enough to leave the processor to the rest of the machine.
constexpr int YieldIntervalMs = 2;

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(QString(caption).remove('&'));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TransferDialog::TransferDialog(TransferHost& host, TransferOperation operation, TransferLine line)
    : QDialog(host.DialogParent()), host_(host), line_(std::move(line)), link_(*line_.Port, *this),
      transfer_(link_, host.Data(), host.Model(), operation) {
    setObjectName("frmRadio");
    link_.DebugMode = host.Options().DebugMode;
    link_.LowSpeedMode = host.Options().LowSpeedMode;
    link_.PortNumber = StoredPortNumber(host.Store());
    link_.Device = FromQt(line_.Device);
    BuildLayout();
    resize(DialogSize);
    setWindowTitle(LinkText(OperationCaption(operation)));
    transfer_.ImageRead = [this](const Image& image) { KeepBackup(image); };
    // A radio of another model ends the dialog at once: the main window offers its model.
    transfer_.CallerAsksAboutRadioModel = operation == TransferOperation::ReadFromRadio;
    sinceEvents_.start();
    // In debug mode the opening status pauses with events running, before the dialog is
    // shown and takes the input: the main window must not take it meanwhile.
    BusyScope busy(host.DialogParent());
    transfer_.OpenDialog();
}

void TransferDialog::BuildLayout() {
    ok_ = AddButton(this, "cmdOK", tr("OK"));
    cancel_ = AddButton(this, "cmdCancel", tr("Cancel"));
    help_ = AddButton(this, "cmdHelp", tr("&Help"));
    // Enter starts the transfer, as the instructions ask.
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &TransferDialog::PressOk);
    connect(cancel_, &QPushButton::clicked, this, &TransferDialog::PressCancel);
    connect(help_, &QPushButton::clicked, this, &TransferDialog::PressHelp);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {ok_, cancel_, help_}) {
        buttons->addWidget(button);
    }
    if (transfer_.Operation == TransferOperation::ProgramToRadio) {
        if (QPushButton* changes = MakeShowChangesButton(host_.Data(), host_.Model(), this)) {
            buttons->addWidget(changes);
        }
    }
    buttons->addStretch();

    auto* top = new QHBoxLayout;
    top->addLayout(BuildPictures(), 1);
    top->addLayout(buttons);

    instructions_ = new QLabel(LinkText(TransferInstructions()).replace("\r\n", "\n"), this);
    instructions_->setObjectName("lblmess");
    instructions_->setAccessibleName(tr("Instructions"));
    status_ = new QLabel(this);
    status_->setObjectName("lblmon");
    status_->setAccessibleName(tr("Link status"));
    status_->setFrameShape(QFrame::StyledPanel);
    status_->setVisible(link_.DebugMode);
    // Reading back doubles the time a program operation takes; the user's choice stays.
    verify_ = new QCheckBox(tr("&Verify after programming"), this);
    verify_->setObjectName("chkVerify");
    verify_->setAccessibleName(tr("Verify after programming"));
    verify_->setVisible(transfer_.Operation == TransferOperation::ProgramToRadio);
    verify_->setChecked(verify_->isVisibleTo(this) && StoredVerifyAfterProgram(host_.Store()));
    connect(verify_, &QCheckBox::toggled, this,
            [this](bool checked) { StoreVerifyAfterProgram(host_.Store(), checked); });
    // pictProgress: the share of the transfer done, which screen readers read as its value.
    progress_ = new QProgressBar(this);
    progress_->setObjectName("pictProgress");
    progress_->setAccessibleName(tr("Progress"));
    progress_->setRange(0, 100);
    progress_->setValue(0);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(instructions_);
    layout->addWidget(verify_);
    layout->addWidget(status_);
    layout->addStretch();
    layout->addWidget(progress_);
}

// A read shows the data going from the radio to the PC; the other operations the other way.
QLayout* TransferDialog::BuildPictures() {
    auto* computer = new TransferPicture(TransferPicture::Kind::Computer, this);
    auto* cable = new TransferPicture(TransferPicture::Kind::Cable, this);
    auto* radio = new TransferPicture(TransferPicture::Kind::Radio, this);
    const bool read = transfer_.Operation == TransferOperation::ReadFromRadio;
    auto* pictures = new QHBoxLayout;
    pictures->addWidget(read ? radio : computer);
    pictures->addWidget(cable);
    pictures->addWidget(read ? computer : radio);
    return pictures;
}

// A backup that cannot be kept is told about; the read goes on to the data regardless.
void TransferDialog::KeepBackup(const Image& image) {
    const Outcome kept = KeepBackupNow(host_.Model().ModelName, image);
    if (!kept.Ok) {
        host_.LogError("frmRadio.ReadData", kept.LogDetail);
        host_.Prompts().ShowFailure(kept, windowTitle());
    }
}

void TransferDialog::PressOk() {
    portProblemShown_ = false;
    transfer_.VerifyAfterProgram = verify_->isChecked();
    ShowBusy(true);
    const bool completed = transfer_.PressOk();
    ShowBusy(false);
    if (completed) {
        accept();
    } else if (transfer_.CallerAsksAboutRadioModel && transfer_.RadioModelType) {
        QDialog::reject();
    }
}

void TransferDialog::PressCancel() {
    if (transfer_.PressCancel()) {
        QDialog::reject();
    }
}

void TransferDialog::reject() {
    if (!link_.Busy()) {
        QDialog::reject();
    }
}

void TransferDialog::PressHelp() {
    if (!HelpDocumentExists(host_.ProgramFolder())) {
        host_.Prompts().Show(windowTitle(),
                             tr("Unable to display Help Contents. There is no Help associated "
                                "with this project."),
                             QMessageBox::Information);
        return;
    }
    ShowHelpTopic(this, host_.ProgramFolder(), TransferHelpContext);
}

// Only Cancel stays alive while the transfer runs; its pointer says so.
void TransferDialog::ShowBusy(bool busy) {
    ok_->setEnabled(!busy);
    help_->setEnabled(!busy);
    verify_->setEnabled(!busy);
    if (busy) {
        setCursor(Qt::WaitCursor);
        cancel_->setCursor(Qt::ArrowCursor);
    } else {
        unsetCursor();
    }
}

void TransferDialog::ProcessEvents() {
    QCoreApplication::processEvents();
    sinceEvents_.restart();
}

std::int64_t TransferDialog::Now() {
    return line_.Clock->Now();
}

void TransferDialog::Sleep(int milliseconds) {
    const std::int64_t deadline = Now() + milliseconds;
    for (;;) {
        ProcessEvents();
        const std::int64_t now = Now();
        if (now >= deadline) {
            return;
        }
        line_.Clock->WaitUntil(std::min(deadline, now + PauseSliceMs));
    }
}

void TransferDialog::Yield() {
    if (sinceEvents_.elapsed() >= YieldIntervalMs) {
        ProcessEvents();
    }
}

void TransferDialog::ShowStatusText(const std::string& text) {
    status_->setText(ToQt(text));
}

// Outside debug mode the status line appears only while the link start waits, so that a
// radio that takes its time does not leave the dialog silent.
void TransferDialog::ShowPhase(const LinkPhase& phase) {
    switch (phase.What) {
    case LinkPhase::Step::Cable:
        status_->setText(tr("Connecting to the cable…"));
        break;
    case LinkPhase::Step::Radio:
        status_->setText(
            tr("Waiting for the radio (%1 of %2)…").arg(phase.Attempt).arg(phase.Attempts));
        break;
    case LinkPhase::Step::None:
        status_->clear();
        break;
    }
    status_->setVisible(phase.What != LinkPhase::Step::None);
}

void TransferDialog::ShowProgressBar(int percent) {
    progress_->setValue(std::clamp(percent, 0, 100));
}

void TransferDialog::Message(const std::string& title, const std::string& text, MessageIcon icon) {
    host_.Prompts().Show(LinkText(title), LinkText(text), BoxIcon(icon));
}

void TransferDialog::MessagePhrase(const std::string& title, const Phrase& text, MessageIcon icon) {
    host_.Prompts().Show(LinkText(title), Translated(text), BoxIcon(icon));
}

bool TransferDialog::Ask(const std::string& title, const std::string& text,
                         QuestionButtons buttons) {
    const bool retry = buttons == QuestionButtons::RetryCancel;
    const QMessageBox::StandardButton yes = retry ? QMessageBox::Retry : QMessageBox::Ok;
    const auto answer = host_.Prompts().Show(
        LinkText(title), LinkText(text), retry ? QMessageBox::Warning : QMessageBox::Question,
        yes | QMessageBox::Cancel, retry ? QMessageBox::Cancel : QMessageBox::NoButton);
    return answer == yes;
}

// A port that cannot be opened is explained once per OK, with what to do about it; the link
// start then ends at once, as after Cancel, instead of probing a closed port for seconds.
void TransferDialog::LogError(const std::string& procedure, int number,
                              const std::string& description) {
    host_.LogError(procedure, std::to_string(number) + description);
    if (portProblemShown_) {
        return;
    }
    portProblemShown_ = true;
    host_.Prompts().Show(
        windowTitle(),
        SerialPortProblem(line_.Device, link_.PortNumber, QString::fromStdString(description)),
        QMessageBox::Critical);
    link_.RequestCancel();
}

} // namespace tq58
