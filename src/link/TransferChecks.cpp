#include "link/Frame.h"
#include "link/Transfer.h"
#include "model/ModelCatalogue.h"
#include "model/Phrase.h"

namespace tq58 {

namespace {

constexpr int ReplyTimeoutSeconds = 10;
constexpr int ModelCodeHigh = 0;
constexpr int ModelCodeCopyHigh = ImageSize - 2;

std::string UpperHex(int value) {
    return HexField(value, 1);
}

} // namespace

bool Transfer::StatusCheck() {
    for (;;) {
        const RadioStatus status = RequestStatus();
        if (status == RadioStatus::Busy &&
            link_.Ask(TQ58_TEXT("Link", "Radio is busy!!"), QuestionButtons::RetryCancel)) {
            continue;
        }
        const bool passed = status == RadioStatus::Ready;
        link_.ShowStatus(passed ? "status check.. OK" : "status check.. NG!!");
        return passed;
    }
}

Transfer::RadioStatus Transfer::RequestStatus() {
    link_.ShowStatus("status check..");
    const Bytes frame = BuildFrame("#TQPSR", "00", "", "");
    int attemptsLeft = link_.RetryCount;
    for (;;) {
        link_.SendBytes(frame);
        const LinkResult result = link_.WaitCmdOk();
        if (result == LinkResult::Done) {
            return ReceiveStatusReply();
        }
        if (!link_.MayRetry(result, attemptsLeft)) {
            return RadioStatus::Failed;
        }
    }
}

Transfer::RadioStatus Transfer::ReceiveStatusReply() {
    const ReceivedText header = link_.ReceiveChars(6, ReplyTimeoutSeconds);
    if (header.Result == LinkResult::Done && header.Text != "#TQPSD") {
        link_.SendLine("#CMDUN");
        return RadioStatus::Failed;
    }
    ReceivedText rest = header;
    if (header.Result == LinkResult::Done) {
        rest = link_.ReceiveToLineEnd(ReplyTimeoutSeconds);
    }
    if (rest.Result == LinkResult::Cancelled) {
        link_.ShowMessage(TQ58_TEXT("Link", "cancel!!"));
    } else if (rest.Result == LinkResult::TimedOut) {
        link_.ShowMessage(TQ58_TEXT("Link", "time out!!"));
    }
    if (rest.Result != LinkResult::Done) {
        return RadioStatus::Failed;
    }
    if (!VerifyChecksum("#TQPSD" + rest.Text)) {
        link_.SendLine("#CMDSM");
        return RadioStatus::Failed;
    }
    link_.SendLine("#CMDOK");
    const auto fields = SplitFields(rest.Text);
    const std::string_view state = fields.size() > 1 ? fields[1] : std::string_view{};
    if (state == "00") {
        return RadioStatus::Ready;
    }
    return state == "01" ? RadioStatus::Busy : RadioStatus::Failed;
}

bool Transfer::OpenForData() {
    if (link_.PortOpen()) {
        return true;
    }
    // Without a port nothing moved: that must not pass for a completed step.
    link_.MarkFailed();
    link_.ShowMessage(TQ58_TEXT("Link", "Communication Error!!"));
    return false;
}

void Transfer::CheckModelCode() {
    if (!OpenForData()) {
        return;
    }
    link_.ShowStatus("model check...");
    Image scratch{};
    const bool read = link_.ReadBlock(scratch, ModelCodeHigh, 2) &&
                      link_.ReadBlock(scratch, ModelCodeCopyHigh, 2);
    if (link_.CancelRequested()) {
        return;
    }
    if (!read) {
        link_.ShowMessage(TQ58_TEXT("Link", "Model Check"),
                          TQ58_TEXT("Link", "Communication Error!!"), MessageIcon::Critical);
        return;
    }
    if (!ModelCodeMatches(scratch)) {
        const int code = ReadWord(scratch, ModelCodeHigh);
        if (code == ReadWord(scratch, ModelCodeCopyHigh)) {
            RadioModelType = ModelTypeOfCode(code);
        }
        link_.MarkFailed();
        if (!RadioModelType || !CallerAsksAboutRadioModel) {
            link_.ShowMessage(TQ58_TEXT("Link", "Read from Radio"),
                              TQ58_TEXT("Link", "ModelType Error !!"), MessageIcon::Critical);
        }
    }
}

bool Transfer::ModelCodeMatches(const Image& scratch) const {
    const int code = ModelCodeOf(model_.ModelType);
    const int first = ReadWord(scratch, ModelCodeHigh);
    const int copy = ReadWord(scratch, ModelCodeCopyHigh);
    return code != 0 && first == copy && first == code;
}

void Transfer::CheckProductCode() {
    if (!OpenForData()) {
        return;
    }
    link_.ShowStatus("product-code check...");
    Image scratch{};
    const bool read = link_.ReadBlock(scratch, ProductCodeAddress, ProductCodeLength);
    if (link_.CancelRequested()) {
        return;
    }
    if (!read) {
        link_.ShowMessage(TQ58_TEXT("Link", "Model Check"),
                          TQ58_TEXT("Link", "Communication Error!!"), MessageIcon::Critical);
        return;
    }
    for (int i = 0; i < ProductCodeLength; ++i) {
        const int address = ProductCodeAddress + i;
        const int found = scratch[static_cast<std::size_t>(address)];
        if (found == static_cast<std::uint8_t>(ProductCode[i])) {
            continue;
        }
        if (link_.DebugMode) {
            link_.ShowMessage(TQ58_TEXT("Link", "Product Code Error!"),
                              "address: 0x" + UpperHex(address) + " -> 0x" + UpperHex(found),
                              MessageIcon::Critical);
        }
        link_.MarkFailed();
        link_.ShowMessage(TQ58_TEXT("Link", "Read from Radio"),
                          TQ58_TEXT("Link", "ModelType Error !!"), MessageIcon::Critical);
        return;
    }
}

} // namespace tq58
