#include "program/ReadBackups.h"

#include "files/NativePath.h"
#include "files/WholeFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <tuple>

namespace tq58 {

namespace fs = std::filesystem;

namespace {

constexpr int MaxBackupsPerSecond = 1000;

std::string Stem(const fs::path& path) {
    return NameOfPath(path.stem());
}

// "-2", "-3" ... before the extension.
std::string NumberedName(const std::string& first, int n) {
    return n == 1 ? first : first.substr(0, first.size() - 4) + "-" + std::to_string(n) + ".hex";
}

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "<model>_YYYY-MM-DD_HHMMSS.hex", or with "-<n>" before the extension.
bool IsBackupName(std::string_view name, std::string_view modelName) {
    constexpr std::string_view Extension = ".hex";
    constexpr std::size_t StampLength = 18; // "_YYYY-MM-DD_HHMMSS"
    if (name.substr(0, modelName.size()) != modelName || name.size() < Extension.size() ||
        name.substr(name.size() - Extension.size()) != Extension) {
        return false;
    }
    const std::string_view rest =
        name.substr(modelName.size(), name.size() - modelName.size() - Extension.size());
    if (rest.size() < StampLength) {
        return false;
    }
    const std::string_view stamp = rest.substr(0, StampLength);
    const std::string_view suffix = rest.substr(StampLength);
    const bool shaped = stamp[0] == '_' && stamp[5] == '-' && stamp[8] == '-' && stamp[11] == '_';
    const bool numbers = AllDigits(stamp.substr(1, 4)) && AllDigits(stamp.substr(6, 2)) &&
                         AllDigits(stamp.substr(9, 2)) && AllDigits(stamp.substr(12, 6));
    return shaped && numbers &&
           (suffix.empty() || (suffix[0] == '-' && AllDigits(suffix.substr(1))));
}

// Backups sort by their time, then by their number within that second: the first, without a
// number, before "-2", and "-10" after "-9" (a longer number is the greater one).
std::tuple<std::string, std::size_t, std::string> OrderOfBackup(const std::string& stem) {
    const std::size_t dash = stem.find_last_of('-');
    const std::string number = dash == std::string::npos ? "" : stem.substr(dash + 1);
    if (!AllDigits(number)) {
        return {stem, 0, ""};
    }
    return {stem.substr(0, dash), number.size(), number};
}

} // namespace

std::string BackupFileName(const std::string& modelName, const BackupTime& when) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "_%04d-%02d-%02d_%02d%02d%02d.hex", when.Year, when.Month,
                  when.Day, when.Hour, when.Minute, when.Second);
    return modelName + stamp;
}

std::optional<BackupTime> BackupTimeOf(const std::string& path, const std::string& modelName) {
    const std::string name = NameOfPath(NativePath(path).filename());
    if (!IsBackupName(name, modelName)) {
        return std::nullopt;
    }
    const std::string stamp = name.substr(modelName.size() + 1);
    const auto number = [&stamp](std::size_t at, std::size_t length) {
        return std::stoi(stamp.substr(at, length));
    };
    return BackupTime{number(0, 4),  number(5, 2),  number(8, 2),
                      number(11, 2), number(13, 2), number(15, 2)};
}

std::string BackupTimeText(const BackupTime& when) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", when.Year, when.Month,
                  when.Day, when.Hour, when.Minute, when.Second);
    return text;
}

std::vector<std::string> ListBackups(const std::string& folder, const std::string& modelName) {
    std::vector<fs::path> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(NativePath(folder), error)) {
        if (entry.is_regular_file(error) &&
            IsBackupName(NameOfPath(entry.path().filename()), modelName)) {
            found.push_back(entry.path());
        }
    }
    std::sort(found.begin(), found.end(), [](const fs::path& a, const fs::path& b) {
        return OrderOfBackup(Stem(a)) < OrderOfBackup(Stem(b));
    });
    std::vector<std::string> paths;
    for (const fs::path& path : found) {
        paths.push_back(NameOfPath(path));
    }
    return paths;
}

Outcome KeepReadBackup(const std::string& folder, const std::string& modelName, const Image& image,
                       const BackupTime& when, std::size_t keep) {
    std::error_code error;
    fs::create_directories(NativePath(folder), error);
    // Two reads that end within one second, on two ports or in two programs, keep two
    // backups: a name is taken only while it is free.
    const std::string first = BackupFileName(modelName, when);
    Outcome written;
    bool taken = true;
    for (int n = 1; taken && n <= MaxBackupsPerSecond; ++n) {
        written = CreateFileContents(NameOfPath(NativePath(folder) / NumberedName(first, n)),
                                     std::string(image.begin(), image.end()), taken);
    }
    if (!written.Ok) {
        return written.Reported(BackupErrorMessage, MessageIcon::Exclamation);
    }
    const std::vector<std::string> backups = ListBackups(folder, modelName);
    for (std::size_t i = 0; i + keep < backups.size(); ++i) {
        fs::remove(NativePath(backups[i]), error);
    }
    return Outcome::Success();
}

} // namespace tq58
