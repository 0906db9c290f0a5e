#pragma once

#include "model/Outcome.h"
#include "model/Phrase.h"

#include <cstdint>
#include <string>

namespace tq58 {

enum class QuestionButtons { OkCancel, RetryCancel };

// What the link start is waiting for, so that the window can say so outside debug mode:
// the cable's adapter, or the radio on one attempt of several. None ends the wait.
struct LinkPhase {
    enum class Step { None, Cable, Radio };
    Step What = Step::None;
    int Attempt = 0;
    int Attempts = 0;
};

// Everything the clone link needs from the window that runs it: the clock, pauses, a chance
// for the window to process its events (the Cancel button), and the user's feedback.
class LinkHost {
public:
    virtual ~LinkHost() = default;

    // Milliseconds on a clock that neither wraps nor jumps during a transfer.
    virtual std::int64_t Now() = 0;
    virtual void Sleep(int milliseconds) = 0;
    virtual void Yield() = 0;

    virtual void ShowStatusText(const std::string& text) = 0;
    virtual void ShowProgressBar(int percent) = 0;
    virtual void ShowPhase(const LinkPhase& phase) = 0;
    virtual void Message(const std::string& title, const std::string& text, MessageIcon icon) = 0;
    // A message with values in its sentence (a device's name): a window shows it in the user's
    // language; elsewhere it is the English.
    virtual void MessagePhrase(const std::string& title, const Phrase& text, MessageIcon icon) {
        Message(title, text.English(), icon);
    }
    // True for OK or Retry, false for Cancel. OK / Cancel carries the question icon, Retry /
    // Cancel the exclamation icon with Cancel as the default.
    virtual bool Ask(const std::string& title, const std::string& text,
                     QuestionButtons buttons) = 0;
    // A failure of the port layer, for the error log.
    virtual void LogError(const std::string& procedure, int number,
                          const std::string& description) = 0;
};

} // namespace tq58
