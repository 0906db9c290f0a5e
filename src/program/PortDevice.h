#pragma once

#include "program/SettingsStore.h"

#include <string>

namespace tq58 {

// The device a port number opens: the settings value ComPath/Device<N> when present,
// otherwise the platform's usual name for port N.
std::string PortDeviceName(const SettingsStore& store, int portNumber);

} // namespace tq58
