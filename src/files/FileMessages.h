#pragma once

#include "model/Phrase.h"

namespace tq58 {

// The data files' messages to the user. The window shows every Outcome's message and title
// through the "Files" context.
inline constexpr const char* ModelTypeErrorMessage = TQ58_TEXT("Files", "ModelType Error !!");
inline constexpr const char* FileReadErrorMessage = TQ58_TEXT("Files", "FileRead Error!!");
inline constexpr const char* FileSaveErrorMessage = TQ58_TEXT("Files", "FileSave Error!!");
inline constexpr const char* BadFileMessage = TQ58_TEXT("Files", "bad file!!");

} // namespace tq58
