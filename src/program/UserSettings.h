#pragma once

#include "program/SettingsStore.h"

#include <optional>

namespace tq58 {

// The per-user values of the main window. Values the program never writes (a port outside
// 1 to 4, a "hexvisible" that is not a Boolean) fall back to the defaults.

inline constexpr int DefaultPortNumber = 2;
inline constexpr int PortCount = 4;

int StoredPortNumber(const SettingsStore& store);
void StorePortNumber(SettingsStore& store, int portNumber);

bool StoredHexVisible(const SettingsStore& store);

// The "Verify after programming" box of the Program to Radio dialog; off until checked once.
bool StoredVerifyAfterProgram(const SettingsStore& store);
void StoreVerifyAfterProgram(SettingsStore& store, bool verify);

// The main window's place in twips (15 to a pixel), as the settings keep it.
struct WindowPlacement {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
};

inline constexpr int TwipsPerPixel = 15;

// Absent until a window was closed once, or when a value is not a number.
std::optional<WindowPlacement> StoredPlacement(const SettingsStore& store);
void StorePlacement(SettingsStore& store, const WindowPlacement& placement);

} // namespace tq58
