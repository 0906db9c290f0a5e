#pragma once

#include <string>

namespace tq58 {

// The read-only folder of "global.ini", the factory default images and the help: beside the
// program in a build, under share/tq58 of the prefix once installed.
std::string FindProgramFolder(const std::string& executableFolder);

} // namespace tq58
