#pragma once

#include "link/LinkHost.h"
#include "link/LinkSession.h"

#include <string>

namespace tq58::cli {

// The transfer dialog of the command line: messages on stderr, a progress bar when stderr
// is a terminal, Ctrl+C for the Cancel button, and questions answered without a person.
class CliLinkHost : public LinkHost {
public:
    // answerYes: OK to resynchronising, Retry to a busy radio (a few times); else Cancel.
    // device: the port's device, which a port failure names.
    CliLinkHost(bool answerYes, std::string device);
    ~CliLinkHost() override;

    // The session whose cancel Ctrl+C requests.
    void Attach(LinkSession& session) { session_ = &session; }

    std::int64_t Now() override;
    void Sleep(int milliseconds) override;
    void Yield() override;
    void ShowStatusText(const std::string& text) override;
    void ShowProgressBar(int percent) override;
    void ShowPhase(const LinkPhase& phase) override;
    void Message(const std::string& title, const std::string& text, MessageIcon icon) override;
    bool Ask(const std::string& title, const std::string& text, QuestionButtons buttons) override;
    void LogError(const std::string& procedure, int number,
                  const std::string& description) override;

private:
    void EndProgressLine();

    bool answerYes_;
    std::string device_;
    bool progressShown_ = false;
    bool drawProgress_;
    int lastPercent_ = -1;
    int busyRetries_ = 0;
    LinkSession* session_ = nullptr;
};

} // namespace tq58::cli
