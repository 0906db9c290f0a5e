#include "files/WholeFile.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace tq58 {

namespace fs = std::filesystem;

namespace {

// Unique within the process and unlikely to meet another program's file in the same folder.
fs::path TemporaryPathFor(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path temporary = target;
    temporary += ".tq58-" + std::to_string(stamp) + "-" + std::to_string(counter++) + ".tmp";
    return temporary;
}

bool WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

Outcome FileFailure(std::string reason) {
    return Outcome::Failure({}, MessageIcon::Exclamation, {}, std::move(reason));
}

// A symbolic link stays a link: the file it points to is replaced.
fs::path ReplaceableTarget(const fs::path& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) {
        return path;
    }
    const fs::path resolved = fs::weakly_canonical(path, error);
    return error ? path : resolved;
}

} // namespace

Outcome ReadWholeFile(const std::string& path, std::string& bytes, std::uintmax_t maxBytes) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
        return FileFailure(error ? error.message() : "not a readable file: " + path);
    }
    const std::uintmax_t size = fs::file_size(path, error);
    if (error || size > maxBytes) {
        return FileFailure("too large to read: " + path);
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return FileFailure("cannot open " + path);
    }
    std::ostringstream contents;
    contents << in.rdbuf();
    if (in.bad()) {
        return FileFailure("cannot read " + path);
    }
    bytes = contents.str();
    return Outcome::Success();
}

Outcome ReplaceFileContents(const std::string& path, const std::string& bytes) {
    const fs::path target = ReplaceableTarget(path);
    if (target.filename().empty()) {
        return FileFailure("no file name in " + path);
    }
    std::error_code error;
    const bool replacing = fs::exists(target, error);
    // A rename would replace a read-only file too; refuse what could not be written in place.
    if (replacing && !std::ofstream(target, std::ios::binary | std::ios::app)) {
        return FileFailure("cannot write " + path);
    }
    const fs::path temporary = TemporaryPathFor(target);
    if (!WriteBytes(temporary, bytes)) {
        fs::remove(temporary, error);
        return FileFailure("cannot write " + path);
    }
    if (replacing) {
        fs::permissions(temporary, fs::status(target, error).permissions(), error);
    }
    fs::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return FileFailure("cannot replace " + path + ": " + error.message());
    }
    return Outcome::Success();
}

} // namespace tq58
