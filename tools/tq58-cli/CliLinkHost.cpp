#include "CliLinkHost.h"

#include "platform/SerialPortProblem.h"

#include <QCoreApplication>
#include <QFile>
#include <chrono>
#include <csignal>
#include <iostream>
#include <thread>
#include <unistd.h>
#include <utility>

namespace tq58::cli {

namespace {

constexpr int MaxBusyRetries = 5;
constexpr int BarWidth = 40;

volatile std::sig_atomic_t interrupted = 0;

// The first Ctrl+C cancels the transfer as the Cancel button would; a second one ends the
// program at once, in case the radio never answers the cancel.
void OnInterrupt(int) {
    interrupted = 1;
    std::signal(SIGINT, SIG_DFL);
}

const char* IconWord(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return "";
    case MessageIcon::Exclamation:
        return "warning: ";
    default:
        return "error: ";
    }
}

} // namespace

CliLinkHost::CliLinkHost(bool answerYes, std::string device)
    : answerYes_(answerYes), device_(std::move(device)), drawProgress_(isatty(STDERR_FILENO) != 0) {
    interrupted = 0;
    std::signal(SIGINT, OnInterrupt);
}

CliLinkHost::~CliLinkHost() {
    EndProgressLine();
    std::signal(SIGINT, SIG_DFL);
}

std::int64_t CliLinkHost::Now() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void CliLinkHost::Sleep(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void CliLinkHost::Yield() {
    QCoreApplication::processEvents();
    if (interrupted && session_ != nullptr) {
        interrupted = 0;
        session_->RequestCancel();
    }
}

void CliLinkHost::ShowStatusText(const std::string& text) {
    EndProgressLine();
    std::cerr << "status: " << text << "\n";
}

void CliLinkHost::ShowProgressBar(int percent) {
    // The dialog empties its bar before and after each operation; a terminal has no use
    // for an empty bar.
    if (!drawProgress_ || percent == lastPercent_ || percent == 0) {
        return;
    }
    lastPercent_ = percent;
    const int filled = percent * BarWidth / 100;
    std::cerr << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
              << std::string(static_cast<std::size_t>(BarWidth - filled), '.') << "] " << percent
              << "%" << std::flush;
    progressShown_ = true;
}

// On a terminal, what the link start waits for; a script gets only the outcome.
void CliLinkHost::ShowPhase(const LinkPhase& phase) {
    if (!drawProgress_ || phase.What == LinkPhase::Step::None) {
        return;
    }
    EndProgressLine();
    if (phase.What == LinkPhase::Step::Cable) {
        std::cerr << "status: Connecting to the cable...\n";
    } else {
        std::cerr << "status: Waiting for the radio (" << phase.Attempt << " of " << phase.Attempts
                  << ")...\n";
    }
}

void CliLinkHost::EndProgressLine() {
    if (progressShown_) {
        std::cerr << "\n";
        progressShown_ = false;
        lastPercent_ = -1;
    }
}

void CliLinkHost::Message(const std::string& title, const std::string& text, MessageIcon icon) {
    EndProgressLine();
    std::cerr << IconWord(icon) << title << ": " << text << "\n";
}

bool CliLinkHost::Ask(const std::string& title, const std::string& text, QuestionButtons buttons) {
    EndProgressLine();
    bool answer = answerYes_;
    if (buttons == QuestionButtons::RetryCancel) {
        answer = answerYes_ && busyRetries_ < MaxBusyRetries;
        busyRetries_ += answer ? 1 : 0;
    }
    const char* chosen =
        answer ? (buttons == QuestionButtons::OkCancel ? "OK" : "Retry") : "Cancel";
    std::cerr << title << ": " << text << " -> " << chosen << "\n";
    return answer;
}

void CliLinkHost::LogError(const std::string& procedure, int number,
                           const std::string& description) {
    // Without a window there is no other place that could say why the port failed: in the
    // window's words (the program holding the port named), then the system's.
    EndProgressLine();
    const int portNumber = session_ != nullptr ? session_->PortNumber : 0;
    std::cerr << SerialPortProblem(QFile::decodeName(device_.c_str()), portNumber,
                                   QString::fromStdString(description))
                     .toStdString()
              << "\n"
              << device_ << ": " << description << " (" << procedure << " -> " << number << ")\n";
    // As in the window, the link start then ends at once instead of probing a closed port.
    if (session_ != nullptr) {
        session_->RequestCancel();
    }
}

} // namespace tq58::cli
