#include "program/ReadBackups.h"

#include "files/WholeFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <regex>

namespace tq58 {

namespace fs = std::filesystem;

namespace {

// A second backup within the same second gets "-2", "-3" before the extension.
std::string Stem(const fs::path& path) {
    return path.stem().string();
}

std::string FreeName(const std::string& folder, const std::string& modelName,
                     const BackupTime& when) {
    const std::string first = BackupFileName(modelName, when);
    std::error_code error;
    std::string name = first;
    for (int n = 2; fs::exists(fs::path(folder) / name, error); ++n) {
        name = first.substr(0, first.size() - 4) + "-" + std::to_string(n) + ".hex";
    }
    return name;
}

} // namespace

std::string BackupFileName(const std::string& modelName, const BackupTime& when) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "_%04d-%02d-%02d_%02d%02d%02d.hex", when.Year, when.Month,
                  when.Day, when.Hour, when.Minute, when.Second);
    return modelName + stamp;
}

std::vector<std::string> ListBackups(const std::string& folder, const std::string& modelName) {
    const std::regex pattern(
        std::regex_replace(modelName, std::regex(R"([^A-Za-z0-9])"), R"(\$&)") +
        R"(_\d{4}-\d{2}-\d{2}_\d{6}(-\d+)?\.hex)");
    std::vector<fs::path> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.is_regular_file(error) &&
            std::regex_match(entry.path().filename().string(), pattern)) {
            found.push_back(entry.path());
        }
    }
    std::sort(found.begin(), found.end(),
              [](const fs::path& a, const fs::path& b) { return Stem(a) < Stem(b); });
    std::vector<std::string> paths;
    for (const fs::path& path : found) {
        paths.push_back(path.string());
    }
    return paths;
}

Outcome KeepReadBackup(const std::string& folder, const std::string& modelName, const Image& image,
                       const BackupTime& when, std::size_t keep) {
    std::error_code error;
    fs::create_directories(folder, error);
    const std::string path = (fs::path(folder) / FreeName(folder, modelName, when)).string();
    const Outcome written = ReplaceFileContents(path, std::string(image.begin(), image.end()));
    if (!written.Ok) {
        return written.Reported(BackupErrorMessage, MessageIcon::Exclamation);
    }
    const std::vector<std::string> backups = ListBackups(folder, modelName);
    for (std::size_t i = 0; i + keep < backups.size(); ++i) {
        fs::remove(backups[i], error);
    }
    return Outcome::Success();
}

} // namespace tq58
