#include "program/ErrorLog.h"

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
    std::filesystem::create_directories(folder, error);
    std::ofstream log(std::filesystem::path(folder) / "err.log", std::ios::binary | std::ios::app);
    log << line;
    log.close();
    return !log.fail();
}

} // namespace

std::string ErrorLogLine(const std::string& date, const std::string& time,
                         const std::string& procedure, const std::string& detail) {
    return date + "," + time + ":" + procedure + " -> " + detail + "\r\n";
}

bool AppendErrorLog(const std::string& programFolder, const std::string& userDataFolder,
                    const std::string& line) {
    return (!IsInstalledProgramFolder(programFolder) && AppendTo(programFolder, line)) ||
           AppendTo(userDataFolder, line);
}

} // namespace tq58
