#pragma once

#include "link/LinkHost.h"
#include "link/SerialPort.h"
#include "model/MemoryImage.h"

#include <cstdint>
#include <string>

namespace tq58 {

// The result of every receive primitive.
enum class LinkResult : int {
    Done = 0,
    Cancelled = 1,
    TimedOut = 3,
    ErrorReceived = 8, // the text "ERROR" arrived instead of the awaited reply
    WrongForm = -1,
};

struct ReceivedText {
    LinkResult Result = LinkResult::Done;
    std::string Text;
};

// Port settings texts of the link start.
inline constexpr const char* LinkStartSettings = "19200,N,8,1";
inline constexpr const char* HighSpeedSettings = "57600,N,8,1";
inline constexpr const char* ReopenSettings = "9600,N,8,1";

// Milliseconds a wait blocks on the port for input before it lets the window run again.
inline constexpr int IdleWaitMs = 5;
// Pause before every output.
inline constexpr int OutputPauseMs = 10;

inline constexpr std::uint8_t Can = 0x18;
inline constexpr std::uint8_t Ack = 0x06;

// The serial link and block protocol of one transfer dialog: the port, the flags every
// exchange sets and tests, and the exchanges themselves.
class LinkSession {
public:
    LinkSession(SerialPort& port, LinkHost& host) : port_(port), host_(host) {}

    // The last block exchange or check failed.
    bool Failed() const { return error_; }
    void MarkFailed() { error_ = true; }
    // The user pressed Cancel; every wait ends with LinkResult::Cancelled until it is cleared.
    bool CancelRequested() const { return cancelRequested_; }
    void RequestCancel() { cancelRequested_ = true; }
    void ClearCancel() { cancelRequested_ = false; }
    // A transfer is running.
    bool Busy() const { return busy_; }
    void SetBusy(bool busy) { busy_ = busy; }
    int RetryCount = 3;
    bool DebugMode = false;
    bool LowSpeedMode = false;
    int PortNumber = 2;
    // The device behind the port, as the messages about the line name it.
    std::string Device;
    // The dialog caption: the title of the link's messages.
    std::string Caption;

    // Port management.
    bool PortInit();
    bool PortInitCP();
    bool PortOpen();
    void ClosePort();
    bool PortIsOpen() const { return port_.IsOpen(); }

    // Output.
    void SendByte(std::uint8_t value);
    void SendBytes(const Bytes& bytes);
    void SendLine(const std::string& text);
    void SendAdapterCommand(const std::string& text);

    // Input.
    LinkResult WaitForByte(std::uint8_t value, int timeoutSeconds);
    ReceivedText ReceiveChars(int count, int timeoutSeconds);
    ReceivedText ReceiveLine(int timeoutSeconds);
    ReceivedText ReceiveToLineEnd(int timeoutSeconds);
    LinkResult WaitCmdOk();

    // Feedback.
    void ShowStatus(const std::string& text);
    void ShowProgress(int percent);
    // What the link start waits for, on the status line outside debug mode only: in debug
    // mode that line carries the link's own status texts.
    void ShowPhase(const LinkPhase& phase);
    void ShowMessage(const std::string& text, MessageIcon icon = MessageIcon::Critical);
    void ShowMessage(const std::string& title, const std::string& text, MessageIcon icon);
    // What an operation found out itself (a verify's first failing address), shown as a
    // critical message even once the line has hung up.
    void ShowFinding(const std::string& title, const std::string& text) {
        host_.Message(title, text, MessageIcon::Critical);
    }
    // A question titled with the caption; true for OK or Retry.
    bool Ask(const std::string& text, QuestionButtons buttons) {
        return host_.Ask(Caption, text, buttons);
    }
    void Pause(int milliseconds) { host_.Sleep(milliseconds); }
    void YieldToWindow() { host_.Yield(); }

    // Link start.
    bool StartLink();
    // After a command went unacknowledged: true when it is to be sent again. Time-outs and
    // "ERROR" replies use up attempts; after the last "ERROR" the user may resynchronise.
    bool MayRetry(LinkResult result, int& attemptsLeft);

    // Block protocol. A block exchange says whether it succeeded: the caller must look, since
    // the next exchange clears the failure flag on its way.
    [[nodiscard]] bool ReadBlock(Image& buffer, int address, int length);
    [[nodiscard]] bool WriteBlock(const Image& image, int address, int length);

private:
    void FlushInput();
    bool WaitCrLf();
    // Reads away what is left of a refused "ERROR" line, so that a retry starts on a clean
    // line; false only when the user cancelled meanwhile.
    bool DiscardRefusedLine();
    bool ProbeAdapter();
    bool SyncLink();
    // "Communication Error!!" with what went wrong in plain words: the line hung up, or the
    // radio never acknowledged.
    void ReportNoLink();
    // The question after "ERROR" three times: OK resynchronises; true when one more attempt
    // may be made.
    bool ConfirmResync();
    void SendReadRequest(int address, int length);
    void SendWriteRequest(const Image& image, int address, int length);
    void ReceiveDataHeader(Image& buffer, int address, int length);
    void ReceiveDataBody(Image& buffer, int address, int length);
    bool OpenPort(const std::string& settings, const char* procedure);
    void PauseThenWrite(const Bytes& bytes);
    LinkResult SyncPass(int pass);
    bool StartLinkSteps();
    // The device's name in messages: the path when known, else the port number.
    std::string DeviceName() const;
    void ShowLineLost();
    ReceivedText ReceiveUntilCrLf(int timeoutSeconds, bool strayAfterCrIsWrongForm);
    // One poll loop of every input primitive: yield, take at most one byte, then test the
    // cancel flag, a hang-up (which ends the wait as a time-out at once), the deadline and,
    // through onByte, completion.
    template <typename OnByte> LinkResult Poll(int timeoutSeconds, OnByte onByte);

    SerialPort& port_;
    LinkHost& host_;
    bool error_ = false;
    bool cancelRequested_ = false;
    bool busy_ = false;
    // The line hung up during this transfer: every later wait ends at once, and the first
    // failure message says that the cable went away instead of what the protocol saw.
    bool lineLost_ = false;
    bool lineLostShown_ = false;
};

} // namespace tq58
