#include "files/TemporaryFiles.h"

#include "files/DurableWrite.h"
#include "files/NativePath.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace tq58 {

namespace fs = std::filesystem;

namespace {

constexpr const char* Infix = ".tq58-";
constexpr const char* Suffix = ".tmp";

std::string PrefixFor(const fs::path& target) {
    return NameOfPath(target.filename()) + Infix;
}

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The process id of one of target's temporary file names, exactly as a save makes them:
// "PREFIX<pid>-<n>.tmp", the pid from 1 to INT_MAX without a sign or a leading zero and n
// digits. Any other name may be the user's own file ("boat.dat.tq58-2024-notes.tmp").
std::optional<long long> WriterOf(std::string_view name, std::string_view prefix) {
    const std::string_view suffix = Suffix;
    if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) ||
        !name.ends_with(suffix)) {
        return std::nullopt;
    }
    name = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    const std::size_t dash = name.find('-');
    const std::string_view writer = name.substr(0, dash);
    constexpr std::size_t LongestWriter = 10; // the digits of INT_MAX
    if (dash == std::string_view::npos || !AllDigits(writer) || writer.front() == '0' ||
        writer.size() > LongestWriter || !AllDigits(name.substr(dash + 1))) {
        return std::nullopt;
    }
    const long long id = std::stoll(std::string(writer));
    return id <= INT_MAX ? std::optional<long long>(id) : std::nullopt;
}

} // namespace

fs::path TemporaryPathFor(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    fs::path temporary = target;
    temporary +=
        Infix + std::to_string(CurrentProcessId()) + "-" + std::to_string(counter++) + Suffix;
    return temporary;
}

void RemoveStaleTemporaries(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string prefix = PrefixFor(target);
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const auto writer = WriterOf(NameOfPath(it->path().filename()), prefix);
        std::error_code ignored;
        if (writer && !ProcessRuns(*writer) && it->is_regular_file(ignored)) {
            fs::remove(it->path(), ignored);
        }
    }
}

} // namespace tq58
