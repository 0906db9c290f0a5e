#pragma once

#include "sim/SimRadio.h"
#include "sim/WirePacing.h"

#include <csignal>
#include <cstdint>
#include <deque>
#include <string>

namespace tq58::sim {

// Serves a simulated radio on a pseudo-terminal whose slave is reachable through a symlink.
class PtyServer {
public:
    PtyServer(SimRadio& radio, int baud) : radio_(radio), pacing_(baud) {}
    ~PtyServer();

    // Creates the pseudo-terminal and the link; false with a message when that fails.
    bool Open(const std::string& linkPath, std::string& error);
    // Runs until stop becomes non-zero.
    void Run(const volatile std::sig_atomic_t& stop);

    std::int64_t BytesIn() const { return bytesIn_; }
    std::int64_t BytesOut() const { return bytesOut_; }

private:
    struct Due {
        std::int64_t AtNs;
        char Byte;
    };
    void ReadInput();
    void Schedule(std::int64_t arrivedNs, const std::vector<SimOutput>& outputs);
    void WriteDueOutput();
    std::int64_t NextWakeNs() const;

    SimRadio& radio_;
    WirePacing pacing_;
    int master_ = -1;
    int slave_ = -1;
    std::string linkPath_;
    std::deque<Due> output_;
    std::int64_t bytesIn_ = 0;
    std::int64_t bytesOut_ = 0;
};

} // namespace tq58::sim
