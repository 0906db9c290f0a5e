#include "link/PortDevice.h"

#include <gtest/gtest.h>

namespace tq58 {
namespace {

TEST(PortDeviceName, TakesTheConfiguredDeviceOfThatNumberOnly) {
    MemorySettingsStore store;
    store.Write("ComPath", "Device2", "/tmp/radio");
    EXPECT_EQ(PortDeviceName(store, 2), "/tmp/radio");
#ifndef _WIN32
    EXPECT_EQ(PortDeviceName(store, 1), "/dev/ttyUSB0");
    EXPECT_EQ(PortDeviceName(store, 4), "/dev/ttyUSB3");
#endif
}

TEST(PortDeviceName, IgnoresAnEmptySetting) {
    MemorySettingsStore store;
    store.Write("ComPath", "Device3", "");
#ifndef _WIN32
    EXPECT_EQ(PortDeviceName(store, 3), "/dev/ttyUSB2");
#else
    EXPECT_EQ(PortDeviceName(store, 3), "COM3");
#endif
}

} // namespace
} // namespace tq58
