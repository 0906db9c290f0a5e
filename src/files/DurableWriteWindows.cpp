#include "files/DurableWrite.h"

// The Windows side; DurableWrite.cpp is the POSIX one. The C runtime's wide-character calls
// keep the errno numbers of the POSIX side, which the save messages are worded from.
#ifdef _WIN32
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace tq58 {

namespace {

constexpr unsigned MaxChunk = 1U << 30;

int WriteAll(int descriptor, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const auto chunk =
            static_cast<unsigned>(std::min<std::size_t>(bytes.size() - written, MaxChunk));
        const int count = _write(descriptor, bytes.data() + written, chunk);
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
    if (failure == 0 && toDisk && _commit(descriptor) != 0) {
        failure = errno;
    }
    if (_close(descriptor) != 0 && failure == 0) {
        failure = errno;
    }
    return failure;
}

} // namespace

int WriteNewFileToDisk(const std::filesystem::path& path, const std::string& bytes) {
    const int descriptor =
        _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
               _S_IREAD | _S_IWRITE);
    if (descriptor < 0) {
        return errno;
    }
    const int failure = WriteThenClose(descriptor, bytes, true);
    if (failure != 0) {
        _wunlink(path.c_str());
    }
    return failure;
}

int WriteIntoStream(const std::filesystem::path& path, const std::string& bytes) {
    const int descriptor = _wopen(path.c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT);
    return descriptor < 0 ? errno : WriteThenClose(descriptor, bytes, false);
}

// The file system journals its own entries, and a folder cannot be flushed through the C
// runtime: the rename is as durable as Windows makes it.
void SyncFolder(const std::filesystem::path&) {}

long long CurrentProcessId() {
    return GetCurrentProcessId();
}

bool ProcessRuns(long long processId) {
    if (processId <= 0 || processId > UINT_MAX) {
        return false;
    }
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                                 static_cast<DWORD>(processId));
    if (process == nullptr) {
        // A process of another user cannot be opened but runs.
        return GetLastError() == ERROR_ACCESS_DENIED;
    }
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

} // namespace tq58

#endif
