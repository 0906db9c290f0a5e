#pragma once

#include "link/LinkHost.h"
#include "sim/VirtualClock.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace tq58::test {

struct ShownMessage {
    std::string Title;
    std::string Text;
    MessageIcon Icon;
};

struct AskedQuestion {
    std::string Title;
    std::string Text;
    QuestionButtons Buttons;
};

// A window for the link on a virtual clock: pauses move the clock, messages and questions
// are recorded, questions are answered from a queue (Cancel once it is empty), and OnYield
// lets a test press Cancel at the moment it wants.
class LinkTestHost : public LinkHost {
public:
    explicit LinkTestHost(VirtualClock& clock) : clock_(clock) {}

    std::int64_t Now() override { return clock_.Now(); }
    void Sleep(int milliseconds) override;
    void Yield() override;
    void ShowStatusText(const std::string& text) override { Statuses.push_back(text); }
    void ShowProgressBar(int percent) override { Progress.push_back(percent); }
    void Message(const std::string& title, const std::string& text, MessageIcon icon) override;
    bool Ask(const std::string& title, const std::string& text, QuestionButtons buttons) override;
    void LogError(const std::string& procedure, int number,
                  const std::string& description) override;

    std::deque<bool> Answers;
    std::function<void()> OnYield;

    std::vector<ShownMessage> Messages;
    std::vector<AskedQuestion> Questions;
    std::vector<std::string> Statuses;
    std::vector<int> Progress;
    std::vector<std::string> Logged;
    std::int64_t SleptMs = 0;
    long Yields = 0;

    std::vector<std::string> MessageTexts() const;

private:
    VirtualClock& clock_;
};

} // namespace tq58::test
