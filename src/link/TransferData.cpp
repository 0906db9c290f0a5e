#include "link/Transfer.h"

#include <cmath>

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
        cancelled = link_.CancelFlag;
        if (cancelled || link_.ErrorFlag) {
            break;
        }
    }
    if (cancelled) {
        CancelTransfer();
    }
    FinishDataPhase("Read from Radio", cancelled);
}

// Every data phase ends alike: port closed, then the failure message or the final pause.
void Transfer::FinishDataPhase(const char* caption, bool cancelled) {
    link_.ClosePort();
    if (cancelled) {
        return;
    }
    if (link_.ErrorFlag) {
        link_.ShowMessage(caption, "Communication Error!!", MessageIcon::Critical);
        return;
    }
    link_.Pause(FinalPauseMs);
}

void Transfer::CancelTransfer() {
    // The wait for the radio's ACK would end at once while the flag is still set.
    link_.CancelFlag = false;
    link_.SendByte(Can);
    link_.WaitForByte(Ack, AckTimeoutSeconds);
    link_.CancelFlag = true;
}

bool Transfer::WriteHeaderBytes() {
    // Bytes 0-1 hold the radio's model code and are never written.
    for (int address = HeaderBytesFirst; address < HeaderBytesEnd; ++address) {
        link_.WriteBlock(data_.MemoryImage, address, 1);
        // Each write starts by resetting both flags, so a failure or a Cancel has to stop
        // the run at once or the next write would hide it.
        if (link_.ErrorFlag || link_.CancelFlag) {
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
        if (link_.ErrorFlag || link_.CancelFlag) {
            break;
        }
    }
    FinishDataPhase("Program to Radio", link_.CancelFlag);
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
            if (link_.ErrorFlag) {
                break;
            }
        } else {
            link_.Pause(OutputPauseMs);
        }
        if (link_.CancelFlag) {
            break;
        }
    }
    FinishDataPhase("Program to Radio", link_.CancelFlag);
}

void Transfer::ClearDataDsc() {
    ClearLog(DscLogFirst, DscLogEnd);
}

void Transfer::ClearDataDistress() {
    ClearLog(DistressLogFirst, DistressLogEnd);
}

} // namespace tq58
