#include "link/Transfer.h"
#include "model/Decoder.h"
#include "model/ImageHeader.h"
#include "model/Phrase.h"

#include <algorithm>
#include <array>

namespace tq58 {

using enum TransferOperation;

namespace {

struct CaptionEntry {
    TransferOperation Operation;
    const char* Caption;
};

constexpr std::array<CaptionEntry, 4> Captions{{
    {ReadFromRadio, TQ58_TEXT("Link", "Read from Radio")},
    {ProgramToRadio, TQ58_TEXT("Link", "Program to Radio")},
    {ClearDscLog, TQ58_TEXT("Link", "Clear DSC Log Data")},
    {ClearDistressLog, TQ58_TEXT("Link", "Clear Distress Log Data")},
}};

constexpr std::array<const char*, 5> InstructionLines{
    TQ58_TEXT("Link", "1.Connect the QYL cable between the PC serial port and the radio."),
    TQ58_TEXT("Link", "2.On the radio, press and hold [DISTRESS] and [CALL] keys while"),
    TQ58_TEXT("Link", "   turning the power on."),
    TQ58_TEXT("Link", "   The Radio display will show PC CONTROL."),
    TQ58_TEXT("Link", "3.Press the [OK] button to start."),
};

void CopyRange(const Image& from, Image& to, int first, int end) {
    std::copy(from.begin() + first, from.begin() + end, to.begin() + first);
}

} // namespace

std::string TransferInstructions() {
    std::string text;
    for (const char* line : InstructionLines) {
        text += text.empty() ? "" : "\r\n";
        text += line;
    }
    return text;
}

std::string OperationCaption(TransferOperation operation) {
    for (const CaptionEntry& entry : Captions) {
        if (entry.Operation == operation) {
            return entry.Caption;
        }
    }
    return {};
}

void MergeReadImage(const Image& buffer, Image& image) {
    CopyRange(buffer, image, HeaderBytesFirst, RadioAreaFirst);
    CopyRange(buffer, image, RadioAreaEnd, DscLogFirst);
}

Transfer::Transfer(LinkSession& link, RadioData& data, const ModelState& model,
                   TransferOperation operation)
    : Operation(operation), link_(link), data_(data), model_(model) {
    link_.Caption = OperationCaption(operation);
}

void Transfer::OpenDialog() {
    link_.Caption = OperationCaption(Operation);
    link_.ShowStatus("starting at debug mode..");
    link_.ShowProgress(0);
}

bool Transfer::PressOk() {
    link_.SetBusy(true);
    link_.ShowStatus("startsync...");
    if (!link_.StartLink()) {
        link_.ShowStatus("can not syncing!!");
        link_.SetBusy(false);
        return false;
    }
    link_.ShowStatus("sync ok");
    switch (Operation) {
    case ReadFromRadio:
        DoRead();
        break;
    case ProgramToRadio:
        if (PrepareOutgoingImage(data_, model_).Ok) {
            DoProgram();
        } else {
            link_.MarkFailed();
            link_.ShowMessage(TQ58_TEXT("Link", "Data Error!!"));
        }
        break;
    case ClearDscLog:
    case ClearDistressLog:
        DoClear(Operation);
        break;
    }
    link_.ShowProgress(0);
    link_.SetBusy(false);
    return !link_.Failed() && !link_.CancelRequested();
}

bool Transfer::PressCancel() {
    if (link_.Busy()) {
        link_.RequestCancel();
        return false;
    }
    return true;
}

bool Transfer::RadioIsReady() {
    link_.SetBusy(true);
    if (!StatusCheck()) {
        link_.ShowMessage(TQ58_TEXT("Link", "Radio not ready!!"));
        // The dialog stays open for another try, as after every other failure.
        link_.MarkFailed();
        return false;
    }
    CheckModelCode();
    if (!link_.Failed() && !link_.CancelRequested()) {
        CheckProductCode();
    }
    return !link_.Failed() && !link_.CancelRequested();
}

void Transfer::CompleteOperation(const std::string& note) {
    TransferDone = true;
    link_.ShowProgress(100);
    link_.ShowStatus("");
    link_.ShowMessage(note.empty() ? TQ58_TEXT("Link", "Complete!!")
                                   : std::string(TQ58_TEXT("Link", "Complete!!")) + "\n" + note,
                      MessageIcon::Information);
}

void Transfer::DoRead() {
    if (!RadioIsReady()) {
        return;
    }
    link_.ShowStatus("radio reading...");
    Image buffer = data_.MemoryImage;
    if (!ReadData(buffer)) {
        return;
    }
    if (ImageRead) {
        ImageRead(buffer);
    }
    MergeReadImage(buffer, data_.MemoryImage);
    DecodeImage(data_, model_);
    CompleteOperation();
}

void Transfer::DoProgram() {
    if (!RadioIsReady()) {
        return;
    }
    link_.ShowStatus("radio writing...");
    if (!WriteData()) {
        return;
    }
    if (!VerifyAfterProgram) {
        CompleteOperation();
    } else if (VerifyData()) {
        CompleteOperation(TQ58_TEXT("Link", "Verified"));
    } else {
        link_.MarkFailed();
    }
}

void Transfer::ClearWithRestore(int first, int end, const char* status, bool (Transfer::*phase)()) {
    link_.ShowStatus(status);
    const Image kept = data_.MemoryImage;
    std::fill(data_.MemoryImage.begin() + first, data_.MemoryImage.begin() + end, BlankByte);
    if (!(this->*phase)()) {
        data_.MemoryImage = kept;
        return;
    }
    CompleteOperation();
}

void Transfer::DoClear(TransferOperation operation) {
    if (!RadioIsReady()) {
        return;
    }
    if (operation == ClearDscLog) {
        ClearWithRestore(DscLogFirst, DscLogEnd, "radio clear DSC...", &Transfer::EraseDscLog);
    } else if (operation == ClearDistressLog) {
        ClearWithRestore(DistressLogFirst, DistressLogEnd, "radio clear Distress...",
                         &Transfer::EraseDistressLog);
    }
}

} // namespace tq58
