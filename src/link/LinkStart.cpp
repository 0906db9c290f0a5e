#include "link/LinkSession.h"

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

bool LinkSession::SyncLink() {
    for (int pass = 1; pass <= SyncPasses; ++pass) {
        int attemptsLeft = RetryCount;
        LinkResult result;
        for (;;) {
            ShowStatus("sending '#CMDSY'...(" + std::to_string(pass) + ")");
            SendLine("#CMDSY");
            result = WaitCmdOk();
            const bool retryable =
                result == LinkResult::TimedOut || result == LinkResult::ErrorReceived;
            if (!retryable || --attemptsLeft < 1) {
                break;
            }
            if (result == LinkResult::ErrorReceived && !DiscardRefusedLine()) {
                break;
            }
        }
        if (result != LinkResult::Done) {
            ShowStatus("can'not Receive '#CMDOK' !!");
            return false;
        }
    }
    return true;
}

bool LinkSession::StartLink() {
    CancelFlag = false;
    PortInit();
    bool probed = false;
    for (int attempt = 0; attempt < ProbeTries && !probed; ++attempt) {
        probed = ProbeAdapter();
    }
    if (!probed) {
        ShowStatus("sync failed!!");
    }
    ShowStatus("sending 'ACMD:002'...");
    SendAdapterCommand("ACMD:002");
    const ReceivedText reply = ReceiveLine(1);
    switch (reply.Result) {
    case LinkResult::Done:
        if (reply.Text == "ERROR") {
            ShowMessage("ACMD Command error!!");
            return false;
        }
        if (reply.Text != "OK") {
            ShowMessage("error!!");
            return false;
        }
        break;
    case LinkResult::Cancelled:
        return false;
    case LinkResult::WrongForm:
        ShowMessage("error!!");
        break;
    default: // no adapter answer within a second: the cable may still work
        break;
    }
    if (!PortInitCP()) {
        ShowMessage("port inicialize error!!");
        return false;
    }
    host_.Sleep(SpeedSwitchSettleMs);
    return SyncLink();
}

bool LinkSession::ConfirmResync() {
    return host_.Ask(Caption, "confirm the synchronization of the communication",
                     QuestionButtons::OkCancel) &&
           SyncLink();
}

} // namespace tq58
