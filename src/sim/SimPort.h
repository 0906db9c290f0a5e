#pragma once

#include "link/SerialPort.h"
#include "sim/SimRadio.h"
#include "sim/VirtualClock.h"

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace tq58 {

// One write of the PC as the far end saw it, with the port settings it went out at.
struct SimWrite {
    std::string Settings;
    std::string Bytes;
    std::int64_t AtMs = 0;
};

// The simulated radio behind a serial port that lives in the same process, on a virtual
// clock: replies become readable when their delay has passed, and waiting for input moves
// the clock on instead of sleeping.
class SimPort : public SerialPort {
public:
    SimPort(SimRadio& radio, VirtualClock& clock) : radio_(radio), clock_(clock) {}

    std::optional<PortFailure> Open(int portNumber, const std::string& settings) override;
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    int InputCount() override;
    int ReadByte() override;
    void Write(const Bytes& bytes) override;
    void WaitForInput(int maxMs) override;
    bool HungUp() override {
        return radio_.LineDropped() || (HangUpAtMs >= 0 && clock_.Now() >= HangUpAtMs);
    }

    // Every port that cannot be opened, as the port layer reports it.
    bool FailOpen = false;
    // When the far end hangs up, on the virtual clock (never when negative): from then on
    // nothing written reaches the radio.
    std::int64_t HangUpAtMs = -1;
    const std::vector<SimWrite>& Written() const { return written_; }
    const std::vector<std::string>& OpenedWith() const { return openedWith_; }
    // Bytes that only arrive later, e.g. a stale reply that the PC must ignore.
    void Inject(const std::string& bytes, int delayMs = 0);

private:
    struct Pending {
        std::int64_t DueMs;
        std::uint8_t Byte;
    };
    void Schedule(const std::vector<SimOutput>& outputs);

    SimRadio& radio_;
    VirtualClock& clock_;
    bool open_ = false;
    std::string settings_;
    std::deque<Pending> input_;
    std::vector<SimWrite> written_;
    std::vector<std::string> openedWith_;
};

} // namespace tq58
