#include "program/PortDevice.h"

namespace tq58 {

namespace {

std::string DefaultDeviceName(int portNumber) {
#ifdef _WIN32
    return "COM" + std::to_string(portNumber);
#else
    return "/dev/ttyUSB" + std::to_string(portNumber - 1);
#endif
}

} // namespace

std::string PortDeviceName(const SettingsStore& store, int portNumber) {
    const std::string configured = store.Read("ComPath", "Device" + std::to_string(portNumber), "");
    return configured.empty() ? DefaultDeviceName(portNumber) : configured;
}

} // namespace tq58
