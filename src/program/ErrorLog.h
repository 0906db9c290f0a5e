#pragma once

#include <string>

namespace tq58 {

// One line of "err.log": date "," time ":" procedure " -> " detail, ended by CR LF. Date and
// time come in the user's short formats, which only the window knows.
std::string ErrorLogLine(const std::string& date, const std::string& time,
                         const std::string& procedure, const std::string& detail);

// Appends the line to "err.log" in the program folder, or, when that folder is read-only or
// an installed program's, in the per-user data folder (always there on Windows). The log is best effort: false when
// neither could be written, and callers go on.
bool AppendErrorLog(const std::string& programFolder, const std::string& userDataFolder,
                    const std::string& line);

} // namespace tq58
