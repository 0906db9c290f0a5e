#include "support/LinkTestHost.h"

namespace tq58::test {

void LinkTestHost::Sleep(int milliseconds) {
    SleptMs += milliseconds;
    clock_.Advance(milliseconds);
}

void LinkTestHost::Yield() {
    ++Yields;
    if (OnYield) {
        OnYield();
    }
}

void LinkTestHost::Message(const std::string& title, const std::string& text, MessageIcon icon) {
    Messages.push_back({title, text, icon});
}

bool LinkTestHost::Ask(const std::string& title, const std::string& text, QuestionButtons buttons) {
    Questions.push_back({title, text, buttons});
    if (Answers.empty()) {
        return false;
    }
    const bool answer = Answers.front();
    Answers.pop_front();
    return answer;
}

void LinkTestHost::LogError(const std::string& procedure, int number,
                            const std::string& description) {
    Logged.push_back(procedure + " -> " + std::to_string(number) + " " + description);
}

std::vector<std::string> LinkTestHost::MessageTexts() const {
    std::vector<std::string> texts;
    for (const ShownMessage& message : Messages) {
        texts.push_back(message.Text);
    }
    return texts;
}

} // namespace tq58::test
