#include "link/LinkSession.h"
#include "model/Phrase.h"

namespace tq58 {

namespace {

constexpr int ProbeTries = 3;
constexpr int SyncPasses = 2;
constexpr int SpeedSwitchSettleMs = 1000;

} // namespace

bool LinkSession::ProbeAdapter() {
    SendByte('P');
    if (WaitForByte('P', 1) != LinkResult::Done) {
        return false;
    }
    SendByte('0');
    return true;
}

// One "#CMDSY" pass: up to RetryCount attempts while the radio stays silent or refuses.
LinkResult LinkSession::SyncPass(int pass) {
    int attemptsLeft = RetryCount;
    for (;;) {
        ShowPhase({LinkPhase::Step::Radio, RetryCount - attemptsLeft + 1, RetryCount});
        ShowStatus("sending '#CMDSY'...(" + std::to_string(pass) + ")");
        SendLine("#CMDSY");
        const LinkResult result = WaitCmdOk();
        const bool retryable =
            result == LinkResult::TimedOut || result == LinkResult::ErrorReceived;
        if (!retryable || --attemptsLeft < 1 || lineLost_) {
            return result;
        }
        if (result == LinkResult::ErrorReceived && !DiscardRefusedLine()) {
            return LinkResult::Cancelled;
        }
    }
}

// A pass that ran out of attempts still lets the next pass try; a cancel or a garbled reply
// ends the handshake at once.
bool LinkSession::SyncLink() {
    int succeeded = 0;
    for (int pass = 1; pass <= SyncPasses; ++pass) {
        const LinkResult result = SyncPass(pass);
        if (result == LinkResult::Done) {
            ++succeeded;
        } else if ((result != LinkResult::TimedOut && result != LinkResult::ErrorReceived) ||
                   lineLost_) {
            break;
        }
    }
    if (succeeded == SyncPasses) {
        return true;
    }
    ShowStatus("can'not Receive '#CMDOK' !!");
    return false;
}

bool LinkSession::StartLink() {
    cancelRequested_ = false;
    lineLost_ = false;
    lineLostShown_ = false;
    const bool started = StartLinkSteps();
    ShowPhase({});
    return started;
}

// A line that hung up on the way ends the start at once: reopening a vanished device would
// only add a port failure to the real story.
bool LinkSession::StartLinkSteps() {
    PortInit();
    ShowPhase({LinkPhase::Step::Cable});
    bool probed = false;
    for (int attempt = 0; attempt < ProbeTries && !probed && !lineLost_; ++attempt) {
        probed = ProbeAdapter();
    }
    if (!probed) {
        ShowStatus("sync failed!!");
    }
    ShowStatus("sending 'ACMD:002'...");
    SendAdapterCommand("ACMD:002");
    const ReceivedText reply = ReceiveLine(1);
    if (lineLost_ && reply.Result != LinkResult::Cancelled) {
        ReportNoLink();
        return false;
    }
    switch (reply.Result) {
    case LinkResult::Done:
        if (reply.Text == "ERROR") {
            ShowMessage(TQ58_TEXT("Link", "ACMD Command error!!"));
            return false;
        }
        if (reply.Text != "OK") {
            ShowMessage(TQ58_TEXT("Link", "error!!"));
            return false;
        }
        break;
    case LinkResult::Cancelled:
        return false;
    case LinkResult::WrongForm:
        ShowMessage(TQ58_TEXT("Link", "error!!"));
        break;
    default: // no adapter answer within a second: the cable may still work
        break;
    }
    if (!PortInitCP()) {
        ShowMessage(TQ58_TEXT("Link", "port inicialize error!!"));
        return false;
    }
    host_.Sleep(SpeedSwitchSettleMs);
    if (SyncLink()) {
        return true;
    }
    if (!cancelRequested_) {
        ReportNoLink();
    }
    return false;
}

bool LinkSession::ConfirmResync() {
    return host_.Ask(Caption, TQ58_TEXT("Link", "confirm the synchronization of the communication"),
                     QuestionButtons::OkCancel) &&
           SyncLink();
}

} // namespace tq58
