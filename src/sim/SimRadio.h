#pragma once

#include "model/MemoryImage.h"
#include "sim/SimFaults.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tq58 {

// A piece of output and how long after the previous piece it leaves.
struct SimOutput {
    int DelayMs = 0;
    std::string Bytes;
};

struct SimBlock {
    int Address = 0;
    int Length = 0;
    bool operator==(const SimBlock&) const = default;
};

// The far end of the cable: the adapter answering the probe and its command, then the radio
// in its PC-control mode answering the clone commands from its 32768-byte memory.
class SimRadio {
public:
    // A radio of the given model code (7200, 7700) with the product code and blank settings.
    explicit SimRadio(int modelCode = 7200);

    Image Memory{};
    SimFaults Faults;

    // Feeds one byte from the PC; returns what the far end sends back.
    std::vector<SimOutput> Receive(std::uint8_t byte);

    // What arrived: every complete line, the accepted block writes and reads.
    const std::vector<std::string>& Lines() const { return lines_; }
    const std::vector<SimBlock>& Writes() const { return writes_; }
    const std::vector<SimBlock>& Reads() const { return reads_; }
    int Count(const std::string& command) const;
    int CancelBytes() const { return cancelBytes_; }
    // The radio has dropped the line (ReadBackFault::HangUp): whatever serves it hangs up.
    bool LineDropped() const { return lineDropped_; }

private:
    std::vector<SimOutput> ReceiveRawByte(std::uint8_t byte);
    std::vector<SimOutput> HandleLine(const std::string& line);
    std::vector<SimOutput> HandleFrame(const std::string& command, const std::string& line);
    std::vector<SimOutput> Refuse() const;
    std::vector<SimOutput> Acknowledge(std::string more = {});
    std::vector<SimOutput> ReadReply(int address, int length);
    std::vector<SimOutput> FailedReadBack(int address, int length);
    std::vector<SimOutput> WriteReply(const std::string& line);
    std::vector<SimOutput> StatusReply();
    std::string Hex(int value, int digits) const;
    std::string Frame(const std::string& body) const;
    bool TakeFault(int& counter);
    bool TakeFault(std::map<std::string, int>& counters, const std::string& command);

    std::string pending_;
    std::vector<std::string> lines_;
    std::vector<SimBlock> writes_;
    std::vector<SimBlock> reads_;
    int cancelBytes_ = 0;
    bool lineDropped_ = false;
};

// Puts the model code at 0-1 and 32766-32767 and the product code at 1056.
void MarkRadioIdentity(Image& memory, int modelCode);

} // namespace tq58
