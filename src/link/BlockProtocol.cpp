#include "link/Frame.h"
#include "link/LinkSession.h"
#include "model/Phrase.h"

namespace tq58 {

namespace {

constexpr int ReplyTimeoutSeconds = 10;

bool FieldEquals(const std::vector<std::string_view>& fields, std::size_t index, int value) {
    return index < fields.size() && ParseHex(fields[index]) == value;
}

} // namespace

void LinkSession::SendReadRequest(int address, int length) {
    SendBytes(BuildFrame("#TQPRD", HexField(address, 4), HexField(length, 2), ""));
}

void LinkSession::SendWriteRequest(const Image& image, int address, int length) {
    SendBytes(BuildFrame("#TQPWR", HexField(address, 4), HexField(length, 2),
                         ImageHex(image, address, length)));
}

bool LinkSession::MayRetry(LinkResult result, int& attemptsLeft) {
    if (result == LinkResult::TimedOut) {
        return --attemptsLeft >= 1;
    }
    if (result != LinkResult::ErrorReceived || !DiscardRefusedLine()) {
        return false;
    }
    if (--attemptsLeft >= 1) {
        return true;
    }
    if (ConfirmResync()) {
        attemptsLeft = 1;
        return true;
    }
    return false;
}

bool LinkSession::ReadBlock(Image& buffer, int address, int length) {
    int attemptsLeft = RetryCount;
    FlushInput();
    for (;;) {
        error_ = true;
        cancelRequested_ = false;
        SendReadRequest(address, length);
        const LinkResult result = WaitCmdOk();
        if (result == LinkResult::Done) {
            ReceiveDataHeader(buffer, address, length);
            return !error_;
        }
        if (!MayRetry(result, attemptsLeft)) {
            // A resynchronisation may have cleared the flag on its way.
            error_ = true;
            return false;
        }
    }
}

void LinkSession::ReceiveDataHeader(Image& buffer, int address, int length) {
    error_ = true;
    cancelRequested_ = false;
    const ReceivedText header = ReceiveChars(6, ReplyTimeoutSeconds);
    switch (header.Result) {
    case LinkResult::Done:
        if (header.Text != "#TQPDT") {
            SendLine("#CMDER");
            return;
        }
        ReceiveDataBody(buffer, address, length);
        return;
    case LinkResult::Cancelled:
        ShowMessage(TQ58_TEXT("Link", "cancel!!"));
        return;
    case LinkResult::TimedOut:
        ShowMessage(TQ58_TEXT("Link", "time out!!"));
        return;
    default:
        return;
    }
}

void LinkSession::ReceiveDataBody(Image& buffer, int address, int length) {
    const ReceivedText rest = ReceiveToLineEnd(ReplyTimeoutSeconds);
    if (rest.Result == LinkResult::TimedOut) {
        ShowMessage(TQ58_TEXT("Link", "time out!!"));
        return;
    }
    if (rest.Result != LinkResult::Done) {
        return;
    }
    if (!VerifyChecksum("#TQPDT" + rest.Text)) {
        SendLine("#CMDSM");
        return;
    }
    const auto fields = SplitFields(rest.Text);
    if (!FieldEquals(fields, 1, address)) {
        ShowMessage(TQ58_TEXT("Link", "address error!!"));
        return;
    }
    const bool lengthMatches = FieldEquals(fields, 2, length) && fields.size() > 3 &&
                               fields[3].size() == static_cast<std::size_t>(length) * 2;
    if (!lengthMatches || !StoreHexBytes(fields[3], buffer, address, length)) {
        ShowMessage(TQ58_TEXT("Link", "data error!!"));
        return;
    }
    error_ = false;
    SendLine("#CMDOK");
}

bool LinkSession::WriteBlock(const Image& image, int address, int length) {
    int attemptsLeft = RetryCount;
    for (;;) {
        error_ = true;
        cancelRequested_ = false;
        FlushInput();
        SendWriteRequest(image, address, length);
        const LinkResult result = WaitCmdOk();
        if (result == LinkResult::Done) {
            return true;
        }
        if (!MayRetry(result, attemptsLeft)) {
            error_ = true;
            return false;
        }
    }
}

} // namespace tq58
