#include "program/PortDevice.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

TEST(PortDeviceTest, WindowsOpensComPortsByTheirDeviceNamespaceName) {
    const std::pair<std::string, std::string> cases[] = {
        {"COM1", "\\\\.\\COM1"},
        {"com7", "\\\\.\\COM7"},
        {"7", "\\\\.\\COM7"},
        {"COM12", "\\\\.\\COM12"},
        {"\\\\.\\COM12", "\\\\.\\COM12"},
        {"COM", "COM"},
        {"COM0", "COM0"},
        {"COM1234", "COM1234"},
        {"COM7x", "COM7x"},
        {"COMPORT", "COMPORT"},
        {"", ""},
        {"C:\\radio", "C:\\radio"},
        {"/dev/ttyUSB0", "/dev/ttyUSB0"},
    };
    for (const auto& [given, opened] : cases) {
        EXPECT_EQ(WindowsDevicePath(given), opened) << given;
    }
}

} // namespace
} // namespace tq58
