#pragma once

#include "link/SerialPort.h"
#include "program/SettingsStore.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace tq58 {

// The clock the link's time-outs and pauses run on, in milliseconds.
class LinkClock {
public:
    virtual ~LinkClock() = default;
    virtual std::int64_t Now() = 0;
    // Returns once the clock shows at least the given time.
    virtual void WaitUntil(std::int64_t ms) = 0;
};

// What one transfer dialog talks through: the port, the device it opens (named in the
// messages about it), and the clock.
struct TransferLine {
    std::unique_ptr<SerialPort> Port;
    QString Device;
    std::shared_ptr<LinkClock> Clock;
};

// Makes the line of a port number when a transfer dialog opens.
using TransferLineFactory = std::function<TransferLine(int portNumber)>;

// The serial device that the settings name for the port number, on the wall clock.
TransferLineFactory SerialTransferLines(const SettingsStore& store);

} // namespace tq58
