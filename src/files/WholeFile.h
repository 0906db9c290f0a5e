#pragma once

#include "model/Outcome.h"

#include <cstdint>
#include <string>

namespace tq58 {

// Files are read and written whole: no byte-at-a-time loops. A failure shows nothing itself
// (the caller reports it in its own words); its LogDetail says what went wrong.

// Files longer than maxBytes are refused rather than read into memory. The default is far
// above any settings file (a full one is about 110 KB) yet keeps the parsed lines of a bogus
// file within reasonable memory. bytes changes only on success.
Outcome ReadWholeFile(const std::string& path, std::string& bytes,
                      std::uintmax_t maxBytes = 4u << 20);

// Writes a temporary file next to the target, flushes it to the disk and renames it over the
// target, so that a failed save, a kill or a power loss leaves the previous file as it was.
// Links are followed; a device or a named pipe is written into directly; a folder, a socket
// and the like are refused (see OutputTarget.h).
Outcome ReplaceFileContents(const std::string& path, const std::string& bytes);

// Makes a new file that no one else makes at the same time: written beside it and on the
// disk first, then given its name only while the name is free, so that no one ever sees half
// of it. A name that is taken already leaves everything as it was and sets nameTaken.
Outcome CreateFileContents(const std::string& path, const std::string& bytes, bool& nameTaken);

} // namespace tq58
