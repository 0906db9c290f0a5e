#include "files/OutputTarget.h"

#include <system_error>

namespace tq58 {

namespace fs = std::filesystem;

namespace {

// As deep as the system itself follows links before it gives up.
constexpr int MaxLinkDepth = 40;

// The end of a chain of links, by name: the file a dangling link names.
fs::path FollowLinks(fs::path path) {
    std::error_code error;
    for (int depth = 0; depth < MaxLinkDepth && fs::is_symlink(fs::symlink_status(path, error));
         ++depth) {
        const fs::path next = fs::read_symlink(path, error);
        if (error) {
            break;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

std::string RefusalOf(fs::file_type type, const std::error_code& error) {
    if (error) {
        return error.message();
    }
    switch (type) {
    case fs::file_type::directory:
        return "a folder";
    case fs::file_type::socket:
        return "a socket";
    case fs::file_type::block:
        return "a block device";
    default:
        return "neither a file nor a device";
    }
}

} // namespace

OutputTarget ResolveOutputTarget(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    switch (status.type()) {
    case fs::file_type::regular: {
        // The system resolves every link on the way, its own under /proc as well.
        const fs::path real = fs::canonical(path, error);
        return {OutputTarget::Kind::File, error ? path : real, {}};
    }
    case fs::file_type::not_found:
        return {OutputTarget::Kind::File, FollowLinks(path), {}};
    case fs::file_type::character:
    case fs::file_type::fifo:
        return {OutputTarget::Kind::Stream, path, {}};
    default:
        return {OutputTarget::Kind::Refused, path, RefusalOf(status.type(), error)};
    }
}

} // namespace tq58
