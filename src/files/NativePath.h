#pragma once

#include <filesystem>
#include <string>

namespace tq58 {

// File names travel through the program as std::string: on Windows in UTF-8, which the window
// and the command line give, on other systems as the system's own bytes. These turn such a
// name into a path for the file functions and back, so that on Windows every letter reaches
// the wide-character file functions (the narrow ones know only the ANSI code page).
std::filesystem::path NativePath(const std::string& name);
std::string NameOfPath(const std::filesystem::path& path);

} // namespace tq58
