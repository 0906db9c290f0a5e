#include "program/PortDevice.h"

#include "files/TextCase.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace tq58 {

namespace {

std::string DefaultDeviceName(int portNumber) {
#ifdef _WIN32
    return "COM" + std::to_string(portNumber);
#else
    return "/dev/ttyUSB" + std::to_string(portNumber - 1);
#endif
}

// "7" of "COM7": one to three digits, no leading zero.
bool IsComNumber(std::string_view text) {
    return !text.empty() && text.size() <= 3 && text.front() != '0' &&
           std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isdigit(c) != 0; });
}

} // namespace

std::string PortDeviceName(const SettingsStore& store, int portNumber) {
    const std::string configured = store.Read("ComPath", "Device" + std::to_string(portNumber), "");
    return configured.empty() ? DefaultDeviceName(portNumber) : configured;
}

std::string WindowsDevicePath(const std::string& device) {
    std::string_view number = device;
    if (number.size() > 3 && EqualsIgnoreCase(number.substr(0, 3), "COM")) {
        number.remove_prefix(3);
    }
    return IsComNumber(number) ? "\\\\.\\COM" + std::string(number) : device;
}

} // namespace tq58
