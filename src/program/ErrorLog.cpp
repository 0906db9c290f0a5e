#include "program/ErrorLog.h"

#include "files/NativePath.h"
#include "program/ProgramFolder.h"

#include <filesystem>
#include <fstream>

namespace tq58 {

namespace {

bool AppendTo(const std::string& folder, const std::string& line) {
    if (folder.empty()) {
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(NativePath(folder), error);
    std::ofstream log(NativePath(folder) / "err.log", std::ios::binary | std::ios::app);
    log << line;
    log.close();
    return !log.fail();
}

} // namespace

std::string ErrorLogLine(const std::string& date, const std::string& time,
                         const std::string& procedure, const std::string& detail) {
    return date + "," + time + ":" + procedure + " -> " + detail + "\r\n";
}

bool AppendErrorLog([[maybe_unused]] const std::string& programFolder,
                    const std::string& userDataFolder, const std::string& line) {
#ifdef _WIN32
    // A Windows program keeps what it writes apart from its own files, wherever it was
    // unpacked.
    return AppendTo(userDataFolder, line);
#else
    return (!IsInstalledProgramFolder(programFolder) && AppendTo(programFolder, line)) ||
           AppendTo(userDataFolder, line);
#endif
}

} // namespace tq58
