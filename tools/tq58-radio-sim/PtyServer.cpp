#include "PtyServer.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace tq58::sim {

namespace {

constexpr int IdleWakeMs = 200;
constexpr std::size_t ReceiveFifoBytes = 16;
constexpr std::int64_t NsPerMs = 1'000'000;
constexpr std::int64_t NsPerSecond = 1'000'000'000;

std::int64_t NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool MakeRaw(int fd) {
    termios settings{};
    if (tcgetattr(fd, &settings) != 0) {
        return false;
    }
    cfmakeraw(&settings);
    return tcsetattr(fd, TCSANOW, &settings) == 0;
}

} // namespace

PtyServer::~PtyServer() {
    if (!linkPath_.empty()) {
        unlink(linkPath_.c_str());
    }
    if (master_ >= 0) {
        close(master_);
    }
    if (slave_ >= 0) {
        close(slave_);
    }
}

bool PtyServer::Open(const std::string& linkPath, std::string& error) {
    // The server keeps the slave open itself, so that the master stays usable while the
    // program closes and reopens the port between the link start and the data phase.
    if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0 || !MakeRaw(slave_)) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    struct stat existing {};
    if (lstat(linkPath.c_str(), &existing) == 0 && !S_ISLNK(existing.st_mode)) {
        error = linkPath + " exists and is not a link";
        return false;
    }
    unlink(linkPath.c_str());
    if (symlink(ttyname(slave_), linkPath.c_str()) != 0) {
        error = "cannot create " + linkPath + ": " + std::strerror(errno);
        return false;
    }
    linkPath_ = linkPath;
    return true;
}

void PtyServer::Run(const volatile std::sig_atomic_t& stop) {
    while (!stop && !radio_.LineDropped()) {
        pollfd watch{master_, POLLIN, 0};
        const std::int64_t wakeNs = NextWakeNs();
        const timespec timeout{static_cast<time_t>(wakeNs / NsPerSecond),
                               static_cast<long>(wakeNs % NsPerSecond)};
        const int ready = ppoll(&watch, 1, &timeout, nullptr);
        if (ready > 0 && (watch.revents & POLLIN)) {
            ReadInput();
        }
        WriteDueOutput();
    }
}

std::int64_t PtyServer::NextWakeNs() const {
    if (output_.empty()) {
        return IdleWakeMs * NsPerMs;
    }
    // Like a UART's receive FIFO, the line hands bytes over in chunks rather than one by one:
    // a chunk is due when its last byte has left, or when the burst ends before it fills.
    const std::size_t chunkEnd = std::min(output_.size(), ReceiveFifoBytes) - 1;
    return std::max<std::int64_t>(0, output_[chunkEnd].AtNs - NowNs());
}

void PtyServer::ReadInput() {
    char bytes[4096];
    const ssize_t count = read(master_, bytes, sizeof bytes);
    const std::int64_t now = NowNs();
    for (ssize_t i = 0; i < count; ++i) {
        ++bytesIn_;
        const std::int64_t arrived = pacing_.Receive(now);
        Schedule(arrived, radio_.Receive(static_cast<std::uint8_t>(bytes[i])));
    }
}

void PtyServer::Schedule(std::int64_t arrivedNs, const std::vector<SimOutput>& outputs) {
    std::int64_t ready = arrivedNs;
    for (const SimOutput& output : outputs) {
        ready += output.DelayMs * NsPerMs;
        for (char byte : output.Bytes) {
            output_.push_back({pacing_.Send(ready), byte});
        }
    }
}

void PtyServer::WriteDueOutput() {
    const std::int64_t now = NowNs();
    std::string due;
    while (!output_.empty() && output_.front().AtNs <= now) {
        due += output_.front().Byte;
        output_.pop_front();
    }
    std::size_t written = 0;
    while (written < due.size()) {
        const ssize_t count = write(master_, due.data() + written, due.size() - written);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            break; // nobody reads the line: like a real one, it loses what it cannot carry
        }
        written += static_cast<std::size_t>(count);
    }
    bytesOut_ += static_cast<std::int64_t>(written);
}

} // namespace tq58::sim
