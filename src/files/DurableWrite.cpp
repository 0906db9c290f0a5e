#include "files/DurableWrite.h"

// The POSIX side; DurableWriteWindows.cpp is the Windows one.
#ifndef _WIN32
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace tq58 {

namespace {

int WriteAll(int descriptor, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = write(descriptor, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return count < 0 ? errno : EIO;
        }
        written += static_cast<std::size_t>(count);
    }
    return 0;
}

// The first failure counts; closing after one only releases the descriptor.
int WriteThenClose(int descriptor, const std::string& bytes, bool toDisk) {
    int failure = WriteAll(descriptor, bytes);
    if (failure == 0 && toDisk && fsync(descriptor) != 0) {
        failure = errno;
    }
    if (close(descriptor) != 0 && failure == 0) {
        failure = errno;
    }
    return failure;
}

} // namespace

int WriteNewFileToDisk(const std::filesystem::path& path, const std::string& bytes) {
    const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        return errno;
    }
    const int failure = WriteThenClose(descriptor, bytes, true);
    if (failure != 0) {
        unlink(path.c_str());
    }
    return failure;
}

int WriteIntoStream(const std::filesystem::path& path, const std::string& bytes) {
    const int descriptor = open(path.c_str(), O_WRONLY | O_CLOEXEC);
    return descriptor < 0 ? errno : WriteThenClose(descriptor, bytes, false);
}

void SyncFolder(const std::filesystem::path& folder) {
    const int descriptor =
        open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        fsync(descriptor);
        close(descriptor);
    }
}

long long CurrentProcessId() {
    return getpid();
}

bool ProcessRuns(long long processId) {
    if (processId <= 0 || processId > INT_MAX) {
        return false;
    }
    return kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
}

} // namespace tq58

#endif
