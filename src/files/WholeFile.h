#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tq58 {

// Files are read and written whole: no byte-at-a-time loops.

struct FileBytes {
    std::optional<std::string> Bytes; // absent when the file could not be read
    std::string Error;                // why, when it could not
};

// Files longer than maxBytes are refused rather than read into memory. The default is far
// above any settings file (a full one is about 110 KB) yet keeps the parsed lines of a bogus
// file within reasonable memory.
FileBytes ReadWholeFile(const std::string& path, std::uintmax_t maxBytes = 4u << 20);

// Writes a temporary file next to the target and renames it over the target, so that a
// failed save leaves the previous file as it was. Empty on success, otherwise the reason.
std::string ReplaceFileContents(const std::string& path, const std::string& bytes);

} // namespace tq58
