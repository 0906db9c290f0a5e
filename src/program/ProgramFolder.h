#pragma once

#include <string>

namespace tq58 {

// The read-only folder of "global.ini", the factory default images and the help: beside the
// program in a build, under share/tq58 of the prefix once installed.
std::string FindProgramFolder(const std::string& executableFolder);

// True for the program folder of an installed program (".../share/tq58"), which the program
// never writes, even where it could: a package owns it, and root may run the program.
bool IsInstalledProgramFolder(const std::string& folder);

} // namespace tq58
