#pragma once

#include "program/SettingsStore.h"

#include <string>

namespace tq58 {

// The device a port number opens: the settings value ComPath/Device<N> when present,
// otherwise the platform's usual name for port N.
std::string PortDeviceName(const SettingsStore& store, int portNumber);

// The name Windows opens a serial device by. "COM7", "com7" and a bare "7" become "\\.\COM7",
// the only form that reaches COM10 and above; any other name ("\\.\COM12", a path) stays.
std::string WindowsDevicePath(const std::string& device);

} // namespace tq58
