#include "files/TemporaryFiles.h"

#include "files/DurableWrite.h"
#include "files/NativePath.h"

#include <atomic>
#include <charconv>
#include <optional>
#include <string>
#include <system_error>

namespace tq58 {

namespace fs = std::filesystem;

namespace {

constexpr const char* Infix = ".tq58-";
constexpr const char* Suffix = ".tmp";

std::string PrefixFor(const fs::path& target) {
    return NameOfPath(target.filename()) + Infix;
}

// The process id of one of target's temporary file names; nothing for any other name. The
// names of earlier versions carried a clock stamp there, which names no running process.
std::optional<long long> WriterOf(const std::string& name, const std::string& prefix) {
    const std::string suffix = Suffix;
    if (name.size() <= prefix.size() + suffix.size() || name.rfind(prefix, 0) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return std::nullopt;
    }
    long long writer = 0;
    const char* first = name.data() + prefix.size();
    const char* last = name.data() + name.size() - suffix.size();
    const auto [end, error] = std::from_chars(first, last, writer);
    if (error != std::errc{} || end == last || *end != '-') {
        return std::nullopt;
    }
    return writer;
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
