#include "sim/SimPort.h"

#include <algorithm>

namespace tq58 {

std::optional<PortFailure> SimPort::Open(int /*portNumber*/, const std::string& settings) {
    if (FailOpen) {
        return PortFailure{8002, "Invalid port number"};
    }
    // Whatever reached a closed port is lost, as on a real line.
    input_.clear();
    open_ = true;
    settings_ = settings;
    openedWith_.push_back(settings);
    return std::nullopt;
}

// Bytes due after a hang-up never arrive.
int SimPort::InputCount() {
    const std::int64_t until = HungUp() ? HangUpAtMs : clock_.Now();
    const auto due = std::find_if(input_.begin(), input_.end(),
                                  [until](const Pending& p) { return p.DueMs > until; });
    return static_cast<int>(due - input_.begin());
}

int SimPort::ReadByte() {
    if (InputCount() == 0) {
        return -1;
    }
    const std::uint8_t byte = input_.front().Byte;
    input_.pop_front();
    return byte;
}

void SimPort::Write(const Bytes& bytes) {
    if (!open_) {
        return;
    }
    written_.push_back({settings_, std::string(bytes.begin(), bytes.end()), clock_.Now()});
    if (HungUp()) {
        return;
    }
    for (std::uint8_t byte : bytes) {
        Schedule(radio_.Receive(byte));
    }
}

void SimPort::Inject(const std::string& bytes, int delayMs) {
    Schedule({{delayMs, bytes}});
}

void SimPort::Schedule(const std::vector<SimOutput>& outputs) {
    std::int64_t due = input_.empty() ? clock_.Now() : std::max(clock_.Now(), input_.back().DueMs);
    for (const SimOutput& output : outputs) {
        due += output.DelayMs;
        for (char c : output.Bytes) {
            input_.push_back({due, static_cast<std::uint8_t>(c)});
        }
    }
}

void SimPort::WaitForInput(int maxMs) {
    if (InputCount() > 0) {
        return;
    }
    const std::int64_t limit = clock_.Now() + maxMs;
    clock_.AdvanceTo(input_.empty() ? limit : std::min(limit, input_.front().DueMs));
}

} // namespace tq58
