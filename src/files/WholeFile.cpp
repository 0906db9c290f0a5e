#include "files/WholeFile.h"

#include <atomic>
#include <cctype>
#include <cerrno>
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

// The reason in the words of the program's messages: "cannot read a.dat: no such file".
Outcome Unreadable(const std::string& path, const std::string& reason) {
    return FileFailure("cannot read " + path + ": " + reason);
}

std::string ReasonOf(const std::error_code& error) {
    if (error == std::errc::no_such_file_or_directory) {
        return "no such file";
    }
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
        return "permission denied";
    }
    std::string reason = error ? error.message() : "cannot be opened";
    if (!reason.empty()) {
        reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));
    }
    return reason;
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
    const fs::file_status status = fs::status(path, error);
    // Only a regular file has an end: a FIFO or a device would block or never stop.
    if (status.type() == fs::file_type::not_found) {
        return Unreadable(path, "no such file");
    }
    if (error || fs::is_directory(status) || !fs::is_regular_file(status)) {
        return Unreadable(path, error                      ? ReasonOf(error)
                                : fs::is_directory(status) ? "a folder"
                                                           : "not a regular file");
    }
    const std::uintmax_t size = fs::file_size(path, error);
    if (error || size > maxBytes) {
        return Unreadable(path, error ? ReasonOf(error)
                                      : "larger than " + std::to_string(maxBytes) + " bytes");
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return Unreadable(path, ReasonOf(std::error_code(errno, std::generic_category())));
    }
    std::ostringstream contents;
    contents << in.rdbuf();
    if (in.bad()) {
        return Unreadable(path, "read error");
    }
    // A file that grew while it was read is refused as one that was too long already.
    if (contents.view().size() > maxBytes) {
        return Unreadable(path, "larger than " + std::to_string(maxBytes) + " bytes");
    }
    bytes = std::move(contents).str();
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
