#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tq58 {

using Bytes = std::vector<std::uint8_t>;

// What the port layer reports when it cannot open a port: a number and a description, as
// the error log records them.
struct PortFailure {
    int Number = 0;
    std::string Description;
};

// The one serial port of the clone link. Reception is by polling: no receive events and no
// flow control.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // settings is a text such as "57600,N,8,1".
    virtual std::optional<PortFailure> Open(int portNumber, const std::string& settings) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual int InputCount() = 0;
    // The next waiting byte, or -1 when none is waiting.
    virtual int ReadByte() = 0;
    virtual void Write(const Bytes& bytes) = 0;
    // Blocks until input is waiting or maxMs have passed, so that a wait loop does not spin.
    virtual void WaitForInput(int maxMs) = 0;
    // The line hung up: the far end closed it or the cable's adapter went away. Nothing will
    // arrive on it any more, however long the link waits.
    virtual bool HungUp() = 0;
};

} // namespace tq58
