#pragma once

#include "program/SettingsStore.h"

#include <string>
#include <vector>

namespace tq58 {

// The settings files last opened or saved, newest first, kept per user under "RecentFiles".
inline constexpr std::size_t RecentFileCount = 4;

std::vector<std::string> ReadRecentFiles(const SettingsStore& store);
// The file moves to the top; the oldest beyond four drops off.
void RememberRecentFile(SettingsStore& store, const std::string& path);
void ForgetRecentFile(SettingsStore& store, const std::string& path);

} // namespace tq58
