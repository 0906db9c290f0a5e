#include "platform/QtSerialPort.h"

#include "link/PortSettings.h"
#include "platform/QtSettingsStore.h"
#include "program/PortDevice.h"

#include <chrono>
#include <thread>
#ifndef _WIN32
#include <poll.h>
#endif

namespace tq58 {

namespace {

constexpr int WriteTimeoutMs = 1000;
// The number the error log shows for a settings text the port cannot apply.
constexpr int InvalidSettingsNumber = 380;

QSerialPort::Parity ParityOf(char letter) {
    switch (letter) {
    case 'E':
        return QSerialPort::EvenParity;
    case 'O':
        return QSerialPort::OddParity;
    case 'M':
        return QSerialPort::MarkParity;
    case 'S':
        return QSerialPort::SpaceParity;
    default:
        return QSerialPort::NoParity;
    }
}

void Apply(QSerialPort& port, const PortSettings& settings) {
    // A pseudo-terminal refuses some of these; that is no reason to refuse the port.
    port.setBaudRate(settings.Baud);
    port.setParity(ParityOf(settings.Parity));
    port.setDataBits(static_cast<QSerialPort::DataBits>(settings.DataBits));
    port.setStopBits(settings.StopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
}

} // namespace

QtSerialPort::QtSerialPort(std::string devicePath) : devicePath_(std::move(devicePath)) {}

QString QtSerialPort::DeviceForPort(int portNumber) {
    const QtSettingsStore store;
    return QString::fromStdString(PortDeviceName(store, portNumber));
}

std::optional<PortFailure> QtSerialPort::Open(int portNumber, const std::string& settings) {
    const auto parsed = ParsePortSettings(settings);
    if (!parsed) {
        return PortFailure{InvalidSettingsNumber, "Invalid property value: " + settings};
    }
    Close();
    // A hang-up of the last time the port was open says nothing about this time.
    port_.clearError();
    port_.setPortName(devicePath_.empty() ? DeviceForPort(portNumber)
                                          : QString::fromStdString(devicePath_));
    Apply(port_, *parsed);
    if (!port_.open(QIODevice::ReadWrite)) {
        return PortFailure{static_cast<int>(port_.error()), port_.errorString().toStdString()};
    }
    port_.clear(QSerialPort::Input);
    return std::nullopt;
}

void QtSerialPort::Close() {
    if (port_.isOpen()) {
        port_.close();
    }
}

bool QtSerialPort::IsOpen() const {
    return port_.isOpen();
}

int QtSerialPort::InputCount() {
    return port_.isOpen() ? static_cast<int>(port_.bytesAvailable()) : 0;
}

int QtSerialPort::ReadByte() {
    char byte = 0;
    return port_.isOpen() && port_.getChar(&byte) ? static_cast<unsigned char>(byte) : -1;
}

void QtSerialPort::Write(const Bytes& bytes) {
    if (!port_.isOpen()) {
        return;
    }
    port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    port_.flush();
    if (port_.bytesToWrite() > 0) {
        port_.waitForBytesWritten(WriteTimeoutMs);
    }
}

void QtSerialPort::WaitForInput(int maxMs) {
    if (!port_.isOpen()) {
        // After a failed open the link still waits out its time-outs; it must not spin.
        std::this_thread::sleep_for(std::chrono::milliseconds(maxMs));
    } else if (port_.bytesAvailable() == 0) {
        // A line that has hung up (the far end gone, an adapter unplugged) answers at once
        // with nothing: wait out the rest so that the link's time-outs do not spin.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(maxMs);
        if (!port_.waitForReadyRead(maxMs) && port_.bytesAvailable() == 0) {
            std::this_thread::sleep_until(deadline);
        }
    }
}

// A pulled adapter or a closed pseudo-terminal shows as a hang-up on the descriptor; Qt
// reports the same as a resource error once it has tried to read.
bool QtSerialPort::HungUp() {
    if (port_.error() == QSerialPort::ResourceError) {
        return true;
    }
    if (!port_.isOpen()) {
        return false;
    }
#ifndef _WIN32
    pollfd line{static_cast<int>(port_.handle()), POLLIN, 0};
    return poll(&line, 1, 0) > 0 && (line.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#else
    return false;
#endif
}

} // namespace tq58
