#pragma once

#include <string>

namespace tq58 {

inline constexpr const char* AppTitle = "TQ58";

// "TQ58", two spaces and the program title; with a current file also " - " and the file's
// name without its folder, in lower case.
std::string WindowCaption(const std::string& programTitle, const std::string& currentFileName);

} // namespace tq58
