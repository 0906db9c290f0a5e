#pragma once

#include "link/SerialPort.h"

#include <QString>
#include <cstddef>
#include <string>
#include <vector>

namespace tq58 {

// The clone link's port on a Windows COM port. A port number N opens the device named by the
// settings value ComPath/Device<N>, else COMN; a device given at construction ("COM7",
// "\\.\COM12") takes the number's place.
class Win32SerialPort : public SerialPort {
public:
    explicit Win32SerialPort(std::string devicePath = {});
    ~Win32SerialPort() override;
    Win32SerialPort(const Win32SerialPort&) = delete;
    Win32SerialPort& operator=(const Win32SerialPort&) = delete;

    std::optional<PortFailure> Open(int portNumber, const std::string& settings) override;
    void Close() override;
    bool IsOpen() const override;
    int InputCount() override;
    int ReadByte() override;
    void Write(const Bytes& bytes) override;
    void WaitForInput(int maxMs) override;
    bool HungUp() override;

    static QString DeviceForPort(int portNumber);

private:
    // Reads count bytes, which the driver holds already, into received_.
    void Receive(unsigned long count);
    bool DriverHolds(unsigned long& count);

    std::string devicePath_;
    void* handle_;
    Bytes received_;
    std::size_t next_ = 0;
    bool lineLost_ = false;
};

} // namespace tq58
