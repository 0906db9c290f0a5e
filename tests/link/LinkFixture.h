#pragma once

#include "link/LinkSession.h"
#include "link/Transfer.h"
#include "model/NewData.h"
#include "sim/SimPort.h"
#include "sim/SimRadio.h"
#include "sim/VirtualClock.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tq58::test {

struct Shown {
    std::string Title, Text;
    int Kind; // MessageIcon or QuestionButtons
};

// A window on the virtual clock: pauses move the clock, messages and questions are recorded,
// questions take their answers from Answers (Cancel once it is empty), and OnYield lets a test
// press Cancel when it wants.
class LinkTestHost : public LinkHost {
public:
    explicit LinkTestHost(VirtualClock& clock) : clock_(clock) {}
    std::int64_t Now() override { return clock_.Now(); }
    void Sleep(int ms) override { SleptMs += ms, clock_.Advance(ms); }
    void Yield() override {
        ++Yields;
        if (OnYield) {
            OnYield();
        }
    }
    void ShowStatusText(const std::string& text) override { Statuses.push_back(text); }
    void ShowProgressBar(int percent) override { Progress.push_back(percent); }
    // "cable", "radio 2/3", "-" for the end of the wait.
    void ShowPhase(const LinkPhase& phase) override {
        const bool radio = phase.What == LinkPhase::Step::Radio;
        Phases.push_back(phase.What == LinkPhase::Step::None ? "-"
                         : radio ? "radio " + std::to_string(phase.Attempt) + "/" +
                                       std::to_string(phase.Attempts)
                                 : "cable");
    }
    void Message(const std::string& title, const std::string& text, MessageIcon icon) override {
        Messages.push_back({title, text, static_cast<int>(icon)});
    }
    bool Ask(const std::string& title, const std::string& text, QuestionButtons buttons) override {
        Questions.push_back({title, text, static_cast<int>(buttons)});
        if (Answers.empty()) {
            return false;
        }
        const bool answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void LogError(const std::string& procedure, int number, const std::string&) override {
        Logged.push_back(procedure + " -> " + std::to_string(number));
    }
    std::deque<bool> Answers;
    std::function<void()> OnYield;
    std::vector<Shown> Messages, Questions;
    std::vector<std::string> Statuses, Logged, Phases;
    std::vector<int> Progress;
    std::int64_t SleptMs = 0;
    long Yields = 0;

private:
    VirtualClock& clock_;
};

using Texts = std::vector<std::string>;

// The message of a link start that the radio never acknowledged, on a link without a device
// name, followed by '|' as Joined gives it.
inline const std::string NoAnswerShown =
    "Communication Error!!\nThe radio on port 2 did not answer. Check that it is switched on "
    "and in clone mode (its display shows PC CONTROL), that the cable is seated at both ends, "
    "and that the right port is chosen.|";

// The texts of messages or questions, each followed by '|'.
inline std::string Joined(const std::vector<Shown>& shown) {
    std::string text;
    for (const Shown& one : shown) {
        text += one.Text + "|";
    }
    return text;
}

// The link against the in-process radio on a virtual clock.
struct LinkRig {
    LinkRig() { link.Caption = "Read from Radio"; }

    // Everything the PC wrote, one text per write.
    Texts Sent() const {
        Texts sent;
        for (const SimWrite& write : port.Written())
            sent.push_back(write.Bytes);
        return sent;
    }
    int SentCount(const std::string& text) const {
        const Texts sent = Sent();
        return static_cast<int>(std::count(sent.begin(), sent.end(), text));
    }
    // Presses Cancel once the radio has seen `count` lines starting with `command`.
    void CancelAfter(const std::string& command, int count) {
        host.OnYield = [this, command, count] {
            if (radio.Count(command) >= count) {
                link.RequestCancel();
            }
        };
    }

    VirtualClock clock;
    SimRadio radio{7200};
    SimPort port{radio, clock};
    LinkTestHost host{clock};
    LinkSession link{port, host};
};

// The program's data is new data for the RV7200A; the radio is of that model.
struct TransferRig : LinkRig {
    TransferRig() {
        model.ModelType = 1;
        model.ModelName = "RV7200A";
        EXPECT_TRUE(NewData(data, model).Ok);
    }
    Transfer Make(TransferOperation operation) { return Transfer(link, data, model, operation); }
    // Calls `action` once, at the first yield where `when` holds.
    void Once(std::function<bool()> when, std::function<void()> action) {
        host.OnYield = [when, action, done = false]() mutable {
            if (!done && when()) {
                done = true;
                action();
            }
        };
    }
    ModelState model;
    RadioData data;
};

struct LinkFixture : ::testing::Test, LinkRig {};

} // namespace tq58::test
