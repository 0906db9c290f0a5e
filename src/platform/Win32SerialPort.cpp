#include "platform/Win32SerialPort.h"

#include "link/PortSettings.h"
#include "platform/QtSettingsStore.h"
#include "program/PortDevice.h"

#include <chrono>
#include <thread>
#include <windows.h>

namespace tq58 {

namespace {

constexpr DWORD WriteTimeoutMs = 1000;
// The number the error log shows for a settings text the port cannot apply.
constexpr int InvalidSettingsNumber = 380;

BYTE ParityOf(char letter) {
    switch (letter) {
    case 'E':
        return EVENPARITY;
    case 'O':
        return ODDPARITY;
    case 'M':
        return MARKPARITY;
    case 'S':
        return SPACEPARITY;
    default:
        return NOPARITY;
    }
}

// Speed and framing only: no flow control of any kind, and DTR and RTS stay as the driver
// has them, as on the other systems.
void Apply(HANDLE port, const PortSettings& settings) {
    DCB dcb{};
    dcb.DCBlength = sizeof(dcb);
    if (!GetCommState(port, &dcb)) {
        return;
    }
    dcb.BaudRate = static_cast<DWORD>(settings.Baud);
    dcb.ByteSize = static_cast<BYTE>(settings.DataBits);
    dcb.Parity = ParityOf(settings.Parity);
    dcb.fParity = dcb.Parity != NOPARITY;
    dcb.StopBits = settings.StopBits == 2 ? TWOSTOPBITS : ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    // A driver that refuses a value (a mapped pseudo-terminal) is no reason to refuse the port.
    SetCommState(port, &dcb);
}

// A read returns at once with what has arrived; a write gives up after WriteTimeoutMs.
bool SetTimeouts(HANDLE port) {
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.WriteTotalTimeoutConstant = WriteTimeoutMs;
    return SetCommTimeouts(port, &timeouts) != 0;
}

std::wstring Wide(const std::string& utf8) {
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                        length);
    return wide;
}

// The failure in the words of the Linux port's messages, so that the error log and the
// command line read the same on both systems.
std::string DescriptionOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return "No such serial port";
    case ERROR_ACCESS_DENIED:
        return "Access denied (the port is in use by another program, or this user may not "
               "open it)";
    case ERROR_SHARING_VIOLATION:
    case ERROR_BUSY:
        return "Device or resource busy";
    default:
        break;
    }
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString description = length > 0 ? QString::fromWCharArray(text, static_cast<int>(length))
                                     : QStringLiteral("Windows error %1").arg(error);
    LocalFree(text);
    return description.trimmed().toStdString();
}

} // namespace

Win32SerialPort::Win32SerialPort(std::string devicePath)
    : devicePath_(std::move(devicePath)), handle_(INVALID_HANDLE_VALUE) {}

Win32SerialPort::~Win32SerialPort() {
    Close();
}

QString Win32SerialPort::DeviceForPort(int portNumber) {
    const QtSettingsStore store;
    return QString::fromStdString(PortDeviceName(store, portNumber));
}

std::optional<PortFailure> Win32SerialPort::Open(int portNumber, const std::string& settings) {
    const auto parsed = ParsePortSettings(settings);
    if (!parsed) {
        return PortFailure{InvalidSettingsNumber, "Invalid property value: " + settings};
    }
    Close();
    const std::string device =
        devicePath_.empty() ? DeviceForPort(portNumber).toStdString() : devicePath_;
    HANDLE port = CreateFileW(Wide(WindowsDevicePath(device)).c_str(), GENERIC_READ | GENERIC_WRITE,
                              0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (port == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return PortFailure{static_cast<int>(error), DescriptionOf(error)};
    }
    handle_ = port;
    Apply(port, *parsed);
    SetTimeouts(port);
    // What an earlier session left in the driver's buffers belongs to no one now.
    PurgeComm(port, PURGE_RXABORT | PURGE_RXCLEAR | PURGE_TXABORT | PURGE_TXCLEAR);
    return std::nullopt;
}

void Win32SerialPort::Close() {
    if (handle_ != INVALID_HANDLE_VALUE) {
        CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }
    received_.clear();
    next_ = 0;
    lineLost_ = false;
}

bool Win32SerialPort::IsOpen() const {
    return handle_ != INVALID_HANDLE_VALUE;
}

void Win32SerialPort::Receive(unsigned long count) {
    if (next_ == received_.size()) {
        received_.clear();
        next_ = 0;
    }
    const std::size_t kept = received_.size();
    received_.resize(kept + count);
    DWORD got = 0;
    if (!ReadFile(handle_, received_.data() + kept, count, &got, nullptr)) {
        // The adapter was pulled, or the device behind a mapped port went away.
        lineLost_ = true;
        got = 0;
    }
    received_.resize(kept + got);
}

// What the driver holds; false when the port no longer answers at all.
bool Win32SerialPort::DriverHolds(unsigned long& count) {
    COMSTAT status{};
    DWORD errors = 0;
    if (!ClearCommError(handle_, &errors, &status)) {
        lineLost_ = true;
        return false;
    }
    count = status.cbInQue;
    return true;
}

int Win32SerialPort::InputCount() {
    if (!IsOpen()) {
        return 0;
    }
    unsigned long waiting = 0;
    // Only what the driver holds already: the read returns at once.
    if (next_ == received_.size() && !lineLost_ && DriverHolds(waiting) && waiting > 0) {
        Receive(waiting);
    }
    return static_cast<int>(received_.size() - next_);
}

int Win32SerialPort::ReadByte() {
    if (InputCount() == 0) {
        return -1;
    }
    return received_[next_++];
}

void Win32SerialPort::Write(const Bytes& bytes) {
    std::size_t written = 0;
    while (IsOpen() && !lineLost_ && written < bytes.size()) {
        DWORD count = 0;
        if (!WriteFile(handle_, bytes.data() + written, static_cast<DWORD>(bytes.size() - written),
                       &count, nullptr)) {
            lineLost_ = true;
        } else if (count == 0) {
            // The write time-out passed with nothing taken (wine reports every write so).
            return;
        }
        written += count;
    }
}

// Asks the driver what it holds each millisecond: a read that waits with the time-outs
// returns late on some drivers (wine's returns only once the whole time-out has passed).
void Win32SerialPort::WaitForInput(int maxMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(maxMs);
    while (IsOpen() && !lineLost_ && InputCount() == 0 &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    // After a failed open or a lost line the link still waits out its time-outs; it must
    // not spin.
    if (!IsOpen() || lineLost_) {
        std::this_thread::sleep_until(deadline);
    }
}

// A pulled adapter, or a mapped device whose far end closed, leaves a port that no longer
// reports its state.
bool Win32SerialPort::HungUp() {
    unsigned long waiting = 0;
    return IsOpen() && (lineLost_ || !DriverHolds(waiting));
}

} // namespace tq58
