#pragma once

#include <cstdint>

namespace tq58 {

// Times on a serial line of a given speed, in nanoseconds: each byte takes ten bit times
// (start, eight data bits, stop) in each direction. Speed 0 is a line without delay.
class WirePacing {
public:
    explicit WirePacing(int baud);

    std::int64_t ByteNs() const { return byteNs_; }
    // A byte from the PC that the far end saw at nowNs has arrived completely at the result.
    std::int64_t Receive(std::int64_t nowNs);
    // A byte the far end has ready at readyNs has left completely at the result.
    std::int64_t Send(std::int64_t readyNs);

private:
    std::int64_t byteNs_;
    std::int64_t inputFreeNs_ = 0;
    std::int64_t outputFreeNs_ = 0;
};

} // namespace tq58
