#pragma once

#include <string>

namespace tq58 {

enum class MessageIcon { Critical, Exclamation };

// How a file operation ended, with what the window shows and logs about a failure. The core
// shows nothing itself: the window turns Message into a message box and LogDetail into an
// error-log line in debug mode.
struct FileOutcome {
    bool Ok = true;
    std::string Message; // the message box text; empty when nothing is shown
    MessageIcon Icon = MessageIcon::Exclamation;
    std::string MessageTitle; // empty: the program title
    std::string LogProcedure; // empty: nothing is logged
    std::string LogDetail;

    static FileOutcome Success() { return {}; }
    static FileOutcome Failure(std::string message, MessageIcon icon, std::string procedure = {},
                               std::string detail = {}) {
        return {false, std::move(message), icon, {}, std::move(procedure), std::move(detail)};
    }
};

inline constexpr const char* ModelTypeErrorMessage = "ModelType Error !!";
inline constexpr const char* FileReadErrorMessage = "FileRead Error!!";
inline constexpr const char* FileSaveErrorMessage = "FileSave Error!!";
inline constexpr const char* BadFileMessage = "bad file!!";

} // namespace tq58
