#include "link/LinkSession.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace tq58 {

namespace {

constexpr std::uint8_t Cr = 13;
constexpr std::uint8_t Lf = 10;

bool EqualsIgnoringCase(const std::string& text, std::string_view expected) {
    return std::equal(text.begin(), text.end(), expected.begin(), expected.end(),
                      [](char a, char b) {
                          return std::toupper(static_cast<unsigned char>(a)) ==
                                 std::toupper(static_cast<unsigned char>(b));
                      });
}

} // namespace

bool LinkSession::OpenPort(const std::string& settings, const char* procedure) {
    if (const auto failure = port_.Open(PortNumber, settings)) {
        host_.LogError(procedure, failure->Number, failure->Description);
        return false;
    }
    return true;
}

bool LinkSession::PortInit() {
    ClosePort();
    if (!OpenPort(LinkStartSettings, "frmRadio.PortInit")) {
        return false;
    }
    ShowStatus(LinkStartSettings);
    return true;
}

bool LinkSession::PortInitCP() {
    const std::string settings = LowSpeedMode ? LinkStartSettings : HighSpeedSettings;
    ClosePort();
    if (!OpenPort(settings, "frmRadio.PortInitCP")) {
        return false;
    }
    ShowStatus(settings);
    return true;
}

bool LinkSession::PortOpen() {
    return port_.IsOpen() || OpenPort(ReopenSettings, "frmRadio.PortOpen");
}

void LinkSession::ClosePort() {
    if (port_.IsOpen()) {
        port_.Close();
    }
}

void LinkSession::FlushInput() {
    while (port_.InputCount() > 0) {
        port_.ReadByte();
    }
}

void LinkSession::PauseThenWrite(const Bytes& bytes) {
    host_.Sleep(OutputPauseMs);
    port_.Write(bytes);
}

void LinkSession::SendByte(std::uint8_t value) {
    FlushInput();
    PauseThenWrite({value});
}

void LinkSession::SendBytes(const Bytes& bytes) {
    PauseThenWrite(bytes);
}

void LinkSession::SendLine(const std::string& text) {
    Bytes bytes(text.begin(), text.end());
    bytes.push_back(Cr);
    bytes.push_back(Lf);
    PauseThenWrite(bytes);
}

void LinkSession::SendAdapterCommand(const std::string& text) {
    if (text.size() == 8) {
        SendLine(text);
    }
}

template <typename OnByte> LinkResult LinkSession::Poll(int timeoutSeconds, OnByte onByte) {
    const std::int64_t deadline = host_.Now() + std::int64_t{timeoutSeconds} * 1000;
    for (;;) {
        host_.Yield();
        if (port_.InputCount() == 0) {
            port_.WaitForInput(IdleWaitMs);
        }
        std::optional<LinkResult> completion;
        if (port_.InputCount() > 0) {
            const int value = port_.ReadByte();
            if (value >= 0) {
                completion = onByte(static_cast<std::uint8_t>(value));
            }
        }
        if (cancelRequested_) {
            return LinkResult::Cancelled;
        }
        // What the line still held has been read; nothing more will come.
        if (!completion && port_.InputCount() == 0 && port_.HungUp()) {
            lineLost_ = true;
            return LinkResult::TimedOut;
        }
        if (host_.Now() > deadline) {
            return LinkResult::TimedOut;
        }
        if (completion) {
            return *completion;
        }
    }
}

LinkResult LinkSession::WaitForByte(std::uint8_t value, int timeoutSeconds) {
    return Poll(timeoutSeconds, [value](std::uint8_t byte) -> std::optional<LinkResult> {
        if (byte == value) {
            return LinkResult::Done;
        }
        return std::nullopt;
    });
}

ReceivedText LinkSession::ReceiveChars(int count, int timeoutSeconds) {
    ReceivedText received;
    received.Result =
        Poll(timeoutSeconds, [&received, count](std::uint8_t byte) -> std::optional<LinkResult> {
            received.Text += static_cast<char>(byte);
            if (EqualsIgnoringCase(received.Text, "ERROR")) {
                return LinkResult::ErrorReceived;
            }
            if (static_cast<int>(received.Text.size()) >= count) {
                return LinkResult::Done;
            }
            return std::nullopt;
        });
    return received;
}

ReceivedText LinkSession::ReceiveLine(int timeoutSeconds) {
    return ReceiveUntilCrLf(timeoutSeconds, true);
}

ReceivedText LinkSession::ReceiveToLineEnd(int timeoutSeconds) {
    return ReceiveUntilCrLf(timeoutSeconds, false);
}

// The text before CR LF. A byte other than LF after the CR either makes the reply of the wrong
// form or is passed over while the LF is awaited.
ReceivedText LinkSession::ReceiveUntilCrLf(int timeoutSeconds, bool strayAfterCrIsWrongForm) {
    ReceivedText received;
    bool crSeen = false;
    received.Result = Poll(timeoutSeconds, [&](std::uint8_t byte) -> std::optional<LinkResult> {
        if (crSeen) {
            if (byte == Lf) {
                return LinkResult::Done;
            }
            return strayAfterCrIsWrongForm ? std::optional{LinkResult::WrongForm} : std::nullopt;
        }
        if (byte == Cr) {
            crSeen = true;
        } else {
            received.Text += static_cast<char>(byte);
        }
        return std::nullopt;
    });
    return received;
}

bool LinkSession::WaitCrLf() {
    return WaitForByte(Cr, 1) == LinkResult::Done && WaitForByte(Lf, 1) == LinkResult::Done;
}

LinkResult LinkSession::WaitCmdOk() {
    const ReceivedText reply = ReceiveChars(6, 10);
    if (reply.Result != LinkResult::Done) {
        return reply.Result;
    }
    if (reply.Text != "#CMDOK" || !WaitCrLf()) {
        return LinkResult::WrongForm;
    }
    error_ = false;
    return LinkResult::Done;
}

bool LinkSession::DiscardRefusedLine() {
    return WaitForByte(Lf, 1) != LinkResult::Cancelled;
}

} // namespace tq58
