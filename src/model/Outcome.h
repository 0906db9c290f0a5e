#pragma once

#include <string>
#include <utility>

namespace tq58 {

enum class MessageIcon { Critical, Exclamation, Information };

// How a core operation ended, with what the window shows and logs about a failure. The core
// shows nothing itself: the window turns Message into a message box and LogDetail into an
// error-log line in debug mode.
struct [[nodiscard]] Outcome {
    bool Ok = true;
    std::string Message; // the message box text; empty when nothing is shown
    MessageIcon Icon = MessageIcon::Exclamation;
    std::string MessageTitle; // empty: the program title
    std::string LogProcedure; // empty: nothing is logged
    std::string LogDetail;    // what went wrong, in plain words

    static Outcome Success() { return {}; }
    static Outcome Failure(std::string message, MessageIcon icon, std::string procedure = {},
                           std::string detail = {}) {
        return {false, std::move(message), icon, {}, std::move(procedure), std::move(detail)};
    }
    // A failure found below, told in the words of the operation that met it: the detail of
    // what went wrong stays. A success stays a success.
    Outcome Reported(std::string message, MessageIcon icon, std::string procedure = {}) const {
        return Ok ? *this : Failure(std::move(message), icon, std::move(procedure), LogDetail);
    }
};

} // namespace tq58
