#pragma once

#include <cstdint>

namespace tq58 {

// Time that passes only when someone waits: a 10-second time-out costs nothing.
class VirtualClock {
public:
    std::int64_t Now() const { return nowMs_; }
    void Advance(std::int64_t ms) { nowMs_ += ms; }
    void AdvanceTo(std::int64_t ms) {
        if (ms > nowMs_) {
            nowMs_ = ms;
        }
    }

private:
    std::int64_t nowMs_ = 0;
};

} // namespace tq58
