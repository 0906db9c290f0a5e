#include "files/WholeFile.h"

#include "files/DurableWrite.h"
#include "files/NativePath.h"
#include "files/OutputTarget.h"
#include "files/TemporaryFiles.h"

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace tq58 {

namespace fs = std::filesystem;

namespace {

constexpr int MaxTemporaryNames = 100;

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

// Why a file cannot be written: a missing folder is worth saying so.
std::string WriteReason(const fs::path& target, int errorNumber) {
    std::error_code error;
    const fs::path folder = target.parent_path();
    if (!folder.empty() && !fs::exists(folder, error)) {
        return "no such folder";
    }
    return ReasonOf(std::error_code(errorNumber, std::generic_category()));
}

Outcome Unwritable(const std::string& path, const fs::path& target, int errorNumber) {
    return FileFailure("cannot write " + path + ": " + WriteReason(target, errorNumber));
}

// The bytes in a new temporary file beside target, on the disk; 0 or the system's error.
int WriteTemporary(const fs::path& target, const std::string& bytes, fs::path& temporary) {
    RemoveStaleTemporaries(target);
    int failure = EEXIST;
    // A leftover of an ended process that had this process's id may hold a name already.
    for (int attempt = 0; failure == EEXIST && attempt < MaxTemporaryNames; ++attempt) {
        temporary = TemporaryPathFor(target);
        failure = WriteNewFileToDisk(temporary, bytes);
    }
    return failure;
}

// Replaces a regular file, or makes a new one, through a temporary file beside it that is on
// the disk before the rename; the rename is on the disk before the save reports success.
Outcome ReplaceFile(const std::string& path, const fs::path& target, const std::string& bytes) {
    if (target.filename().empty()) {
        return FileFailure("no file name in " + path);
    }
    std::error_code error;
    const bool replacing = fs::exists(target, error);
    // A rename would replace a read-only file too; refuse what could not be written in place.
    errno = 0;
    if (replacing && !std::ofstream(target, std::ios::binary | std::ios::app)) {
        return Unwritable(path, target, errno);
    }
    fs::path temporary;
    if (const int failure = WriteTemporary(target, bytes, temporary)) {
        return Unwritable(path, target, failure);
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
    SyncFolder(target.parent_path());
    return Outcome::Success();
}

} // namespace

Outcome CreateFileContents(const std::string& path, const std::string& bytes, bool& nameTaken) {
    nameTaken = false;
    const fs::path target = NativePath(path);
    fs::path temporary;
    if (const int failure = WriteTemporary(target, bytes, temporary)) {
        return Unwritable(path, target, failure);
    }
    // A link, unlike a rename, never replaces a file of the name.
    std::error_code error;
    fs::create_hard_link(temporary, target, error);
    std::error_code ignored;
    fs::remove(temporary, ignored);
    if (error && error != std::errc::file_exists) {
        // A file system without links: the name itself is made exclusively.
        error = std::error_code(WriteNewFileToDisk(target, bytes), std::generic_category());
    }
    if (error) {
        nameTaken = error == std::errc::file_exists;
        return FileFailure("cannot write " + path + ": " + ReasonOf(error));
    }
    SyncFolder(target.parent_path());
    return Outcome::Success();
}

Outcome ReadWholeFile(const std::string& path, std::string& bytes, std::uintmax_t maxBytes) {
    std::error_code error;
    const fs::path file = NativePath(path);
    const fs::file_status status = fs::status(file, error);
    // Only a regular file has an end: a FIFO or a device would block or never stop.
    if (status.type() == fs::file_type::not_found) {
        return Unreadable(path, "no such file");
    }
    if (error || fs::is_directory(status) || !fs::is_regular_file(status)) {
        return Unreadable(path, error                      ? ReasonOf(error)
                                : fs::is_directory(status) ? "a folder"
                                                           : "not a regular file");
    }
    const std::uintmax_t size = fs::file_size(file, error);
    if (error || size > maxBytes) {
        return Unreadable(path, error ? ReasonOf(error)
                                      : "larger than " + std::to_string(maxBytes) + " bytes");
    }
    errno = 0;
    std::ifstream in(file, std::ios::binary);
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
    const OutputTarget output = ResolveOutputTarget(NativePath(path));
    switch (output.How) {
    case OutputTarget::Kind::Refused:
        return FileFailure("cannot write " + path + ": " + output.Refusal);
    case OutputTarget::Kind::Stream:
        if (const int failure = WriteIntoStream(output.Path, bytes)) {
            return Unwritable(path, output.Path, failure);
        }
        return Outcome::Success();
    case OutputTarget::Kind::File:
        break;
    }
    return ReplaceFile(path, output.Path, bytes);
}

} // namespace tq58
