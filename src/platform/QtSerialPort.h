#pragma once

#include "link/SerialPort.h"

#include <QSerialPort>
#include <string>

namespace tq58 {

// The clone link's port on QSerialPort. A port number N opens the device named by the
// settings value ComPath/Device<N>, else the platform's usual name for it; a device path
// given at construction (a pseudo-terminal or a link to one) takes the number's place.
class QtSerialPort : public SerialPort {
public:
    explicit QtSerialPort(std::string devicePath = {});

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
    std::string devicePath_;
    QSerialPort port_;
};

} // namespace tq58
