#include "gui/transfer/TransferLine.h"

#include "platform/SystemSerialPort.h"
#include "program/PortDevice.h"

#include <chrono>
#include <thread>

namespace tq58 {

namespace {

class WallClock : public LinkClock {
public:
    std::int64_t Now() override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    void WaitUntil(std::int64_t ms) override {
        std::this_thread::sleep_until(
            std::chrono::steady_clock::time_point(std::chrono::milliseconds(ms)));
    }
};

} // namespace

TransferLineFactory SerialTransferLines(const SettingsStore& store) {
    return [&store](int portNumber) {
        const std::string device = PortDeviceName(store, portNumber);
        return TransferLine{std::make_unique<SystemSerialPort>(device),
                            QString::fromStdString(device), std::make_shared<WallClock>()};
    };
}

} // namespace tq58
