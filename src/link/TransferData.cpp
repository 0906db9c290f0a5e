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

// The block's first address that the program wrote.
std::string ReadBackFailureText(int address) {
    return "Verify Error!! the read-back of address 0x" + HexField(address, 4) + " failed";
}

std::string VerifyErrorText(const Image& written, const Image& readBack, int address) {
    const auto i = static_cast<std::size_t>(address);
    return "Verify Error!! first difference at address 0x" + HexField(address, 4) + ": written 0x" +
           HexField(written[i], 2) + ", read 0x" + HexField(readBack[i], 2);
}

} // namespace

bool Transfer::ReadData(Image& buffer) {
    if (!OpenForData()) {
        return false;
    }
    link_.ShowProgress(0);
    bool read = true;
    for (int address = 0; address <= LastIndex && read; address += BlockSize) {
        link_.ShowProgress(StepPercent(address));
        // The next block's exchange clears a Cancel pressed after this one's data arrived.
        read = link_.ReadBlock(buffer, address, BlockSize) && !link_.CancelRequested();
    }
    const bool cancelled = link_.CancelRequested();
    if (cancelled) {
        CancelTransfer();
    }
    FinishDataPhase(TQ58_TEXT("Link", "Read from Radio"), cancelled);
    return read && !cancelled;
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
    // Bytes 0-1 hold the radio's model code and are never written. Each write starts by
    // resetting both flags, so a failure or a Cancel has to stop the run at once or the next
    // write would hide it.
    for (int address = HeaderBytesFirst; address < HeaderBytesEnd; ++address) {
        if (!link_.WriteBlock(data_.MemoryImage, address, 1) || link_.CancelRequested()) {
            return false;
        }
    }
    return true;
}

bool Transfer::WriteStep(int address) {
    if (address == 0) {
        return WriteHeaderBytes();
    }
    if (IsRadioOwned(address)) {
        link_.Pause(OutputPauseMs);
        return true;
    }
    return link_.WriteBlock(data_.MemoryImage, address, BlockSize);
}

bool Transfer::WriteData() {
    if (!OpenForData()) {
        return false;
    }
    link_.ShowProgress(0);
    bool written = true;
    for (int address = 0; address <= LastIndex && written; address += BlockSize) {
        link_.ShowProgress(StepPercent(address));
        written = WriteStep(address) && !link_.CancelRequested();
    }
    FinishDataPhase(TQ58_TEXT("Link", "Program to Radio"), link_.CancelRequested());
    return written;
}

bool Transfer::VerifyData() {
    if (!OpenForData()) {
        return false;
    }
    link_.ShowStatus("radio verifying...");
    link_.ShowProgress(0);
    // Every byte starts as the opposite of what was written, so a block that never arrived
    // cannot pass for one that came back right.
    Image readBack = data_.MemoryImage;
    for (std::uint8_t& byte : readBack) {
        byte = static_cast<std::uint8_t>(~byte);
    }
    std::optional<int> difference;
    std::optional<int> unread;
    for (int address = 0;
         address <= LastIndex && !difference && !unread && !link_.CancelRequested();
         address += BlockSize) {
        if (IsRadioOwned(address)) {
            continue;
        }
        link_.ShowProgress(StepPercent(address));
        if (!link_.ReadBlock(readBack, address, BlockSize)) {
            unread = address;
        } else {
            difference = FirstDifference(data_.MemoryImage, readBack, address);
        }
    }
    const bool cancelled = link_.CancelRequested();
    if (cancelled) {
        CancelTransfer();
    }
    FinishDataPhase(TQ58_TEXT("Link", "Program to Radio"), cancelled);
    if (cancelled) {
        return false;
    }
    // Said even after the line hung up: where the radio's memory stays unconfirmed.
    if (unread || difference) {
        link_.MarkFailed();
        link_.ShowFinding(TQ58_TEXT("Link", "Program to Radio"),
                          unread ? ReadBackFailureText(FirstWritten(*unread))
                                 : VerifyErrorText(data_.MemoryImage, readBack, *difference));
        return false;
    }
    return true;
}

bool Transfer::ClearLog(int first, int end) {
    if (!OpenForData()) {
        return false;
    }
    link_.ShowProgress(0);
    bool written = true;
    for (int address = 0; address <= LastIndex && written; address += BlockSize) {
        link_.YieldToWindow();
        link_.ShowProgress(StepPercent(address));
        if (address >= first && address < end) {
            written = link_.WriteBlock(data_.MemoryImage, address, BlockSize);
        } else {
            link_.Pause(OutputPauseMs);
        }
        written = written && !link_.CancelRequested();
    }
    FinishDataPhase(TQ58_TEXT("Link", "Program to Radio"), link_.CancelRequested());
    return written;
}

bool Transfer::EraseDscLog() {
    return ClearLog(DscLogFirst, DscLogEnd);
}

bool Transfer::EraseDistressLog() {
    return ClearLog(DistressLogFirst, DistressLogEnd);
}

} // namespace tq58
