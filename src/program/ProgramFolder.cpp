#include "program/ProgramFolder.h"

#include "files/NativePath.h"

#include <filesystem>

namespace tq58 {

namespace fs = std::filesystem;

namespace {

// An installed program folder is <prefix>/share/tq58 beside <prefix>/bin.
constexpr const char* SharedFolder = "share";
constexpr const char* InstalledName = "tq58";

} // namespace

std::string FindProgramFolder(const std::string& executableFolder) {
    std::error_code error;
    const fs::path installed = NativePath(executableFolder) / ".." / SharedFolder / InstalledName;
    if (!fs::exists(NativePath(executableFolder) / "global.ini", error) &&
        fs::exists(installed / "global.ini", error)) {
        return NameOfPath(fs::weakly_canonical(installed, error));
    }
    return executableFolder;
}

bool IsInstalledProgramFolder(const std::string& folder) {
    fs::path path = NativePath(folder).lexically_normal();
    if (!path.has_filename()) {
        path = path.parent_path();
    }
    return path.filename() == InstalledName && path.parent_path().filename() == SharedFolder;
}

} // namespace tq58
