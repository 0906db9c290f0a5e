#include "link/Frame.h"
#include "link/Transfer.h"
#include "model/Phrase.h"

#include <cmath>
#include <optional>

namespace tq58 {

namespace {

constexpr int LastIndex = ImageSize - 1;
constexpr int FinalPauseMs = 500;
constexpr int AckTimeoutSeconds = 10;

bool IsRadioOwned(int address) {
    return (address >= RadioAreaFirst && address < RadioAreaEnd) || address >= DscLogFirst;
}

// The progress of a loop over the image, in whole percent.
int StepPercent(int address) {
    return static_cast<int>(std::lround(address * 100.0 / LastIndex));
}

// The first byte of a block that a program operation writes: the model code in the first two
// bytes stays the radio's own.
int FirstWritten(int block) {
    return block == 0 ? HeaderBytesFirst : block;
}

std::optional<int> FirstDifference(const Image& written, const Image& readBack, int block) {
    for (int address = FirstWritten(block); address < block + BlockSize; ++address) {
        const auto i = static_cast<std::size_t>(address);
        if (written[i] != readBack[i]) {
            return address;
        }
    }
    return std::nullopt;
}

std::string VerifyErrorText(const Image& written, const Image& readBack, int address) {
    const auto i = static_cast<std::size_t>(address);
    return "Verify Error!! first difference at address 0x" + HexField(address, 4) + ": written 0x" +
           HexField(written[i], 2) + ", read 0x" + HexField(readBack[i], 2);
}

} // namespace

void Transfer::ReadData(Image& buffer) {
    if (!OpenForData()) {
        return;
    }
    link_.ShowProgress(0);
    bool cancelled = false;
    for (int address = 0; address <= LastIndex; address += BlockSize) {
        link_.ShowProgress(StepPercent(address));
        link_.ReadBlock(buffer, address, BlockSize);
        cancelled = link_.CancelRequested();
        if (cancelled || link_.Failed()) {
            break;
        }
    }
    if (cancelled) {
        CancelTransfer();
    }
    FinishDataPhase(TQ58_TEXT("Link", "Read from Radio"), cancelled);
}

// Every data phase ends alike: port closed, then the failure message or the final pause.
void Transfer::FinishDataPhase(const char* caption, bool cancelled) {
    link_.ClosePort();
    if (cancelled) {
        return;
    }
    if (link_.Failed()) {
        link_.ShowMessage(caption, TQ58_TEXT("Link", "Communication Error!!"),
                          MessageIcon::Critical);
        return;
    }
    link_.Pause(FinalPauseMs);
}

void Transfer::CancelTransfer() {
    // The wait for the radio's ACK would end at once while the flag is still set.
    link_.ClearCancel();
    link_.SendByte(Can);
    link_.WaitForByte(Ack, AckTimeoutSeconds);
    link_.RequestCancel();
}

bool Transfer::WriteHeaderBytes() {
    // Bytes 0-1 hold the radio's model code and are never written.
    for (int address = HeaderBytesFirst; address < HeaderBytesEnd; ++address) {
        link_.WriteBlock(data_.MemoryImage, address, 1);
        // Each write starts by resetting both flags, so a failure or a Cancel has to stop
        // the run at once or the next write would hide it.
        if (link_.Failed() || link_.CancelRequested()) {
            return false;
        }
    }
    return true;
}

void Transfer::WriteStep(int address) {
    if (address == 0) {
        WriteHeaderBytes();
    } else if (IsRadioOwned(address)) {
        link_.Pause(OutputPauseMs);
    } else {
        link_.WriteBlock(data_.MemoryImage, address, BlockSize);
    }
}

void Transfer::WriteData() {
    if (!OpenForData()) {
        return;
    }
    link_.ShowProgress(0);
    for (int address = 0; address <= LastIndex; address += BlockSize) {
        link_.ShowProgress(StepPercent(address));
        WriteStep(address);
        if (link_.Failed() || link_.CancelRequested()) {
            break;
        }
    }
    FinishDataPhase(TQ58_TEXT("Link", "Program to Radio"), link_.CancelRequested());
}

void Transfer::VerifyData() {
    if (!OpenForData()) {
        return;
    }
    link_.ShowStatus("radio verifying...");
    link_.ShowProgress(0);
    Image readBack = data_.MemoryImage;
    std::optional<int> difference;
    for (int address = 0; address <= LastIndex && !difference; address += BlockSize) {
        if (IsRadioOwned(address)) {
            continue;
        }
        link_.ShowProgress(StepPercent(address));
        link_.ReadBlock(readBack, address, BlockSize);
        if (link_.CancelRequested() || link_.Failed()) {
            break;
        }
        difference = FirstDifference(data_.MemoryImage, readBack, address);
    }
    const bool cancelled = link_.CancelRequested();
    if (cancelled) {
        CancelTransfer();
    }
    FinishDataPhase(TQ58_TEXT("Link", "Program to Radio"), cancelled);
    if (difference && !cancelled) {
        link_.MarkFailed();
        link_.ShowMessage(TQ58_TEXT("Link", "Program to Radio"),
                          VerifyErrorText(data_.MemoryImage, readBack, *difference),
                          MessageIcon::Critical);
    }
}

void Transfer::ClearLog(int first, int end) {
    if (!OpenForData()) {
        return;
    }
    link_.ShowProgress(0);
    for (int address = 0; address <= LastIndex; address += BlockSize) {
        link_.YieldToWindow();
        link_.ShowProgress(StepPercent(address));
        if (address >= first && address < end) {
            link_.WriteBlock(data_.MemoryImage, address, BlockSize);
            if (link_.Failed()) {
                break;
            }
        } else {
            link_.Pause(OutputPauseMs);
        }
        if (link_.CancelRequested()) {
            break;
        }
    }
    FinishDataPhase(TQ58_TEXT("Link", "Program to Radio"), link_.CancelRequested());
}

void Transfer::EraseDscLog() {
    ClearLog(DscLogFirst, DscLogEnd);
}

void Transfer::EraseDistressLog() {
    ClearLog(DistressLogFirst, DistressLogEnd);
}

} // namespace tq58
