#include "program/ProgramFolder.h"

#include <filesystem>

namespace tq58 {

std::string FindProgramFolder(const std::string& executableFolder) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path installed = fs::path(executableFolder) / ".." / "share" / "tq58";
    if (!fs::exists(fs::path(executableFolder) / "global.ini", error) &&
        fs::exists(installed / "global.ini", error)) {
        return fs::weakly_canonical(installed, error).string();
    }
    return executableFolder;
}

} // namespace tq58
