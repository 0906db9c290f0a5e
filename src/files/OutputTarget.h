#pragma once

#include <filesystem>
#include <string>

namespace tq58 {

// Where a save really goes. Symbolic links are followed, a dangling one too: the file it
// names is written (made when missing) and the link stays a link. A regular file, or one
// that does not exist yet, is replaced through a temporary file beside it; a device or a
// named pipe is written into directly, as a shell redirection would (replacing /dev/null by
// a file would break the system for everyone); anything else is refused.
struct OutputTarget {
    enum class Kind { File, Stream, Refused };
    Kind How = Kind::Refused;
    std::filesystem::path Path;
    // Why the output is refused: "a folder", "a socket" ...
    std::string Refusal;
};

OutputTarget ResolveOutputTarget(const std::filesystem::path& path);

} // namespace tq58
