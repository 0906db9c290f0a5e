#pragma once

namespace tq58 {

// The data files' messages to the user.
inline constexpr const char* ModelTypeErrorMessage = "ModelType Error !!";
inline constexpr const char* FileReadErrorMessage = "FileRead Error!!";
inline constexpr const char* FileSaveErrorMessage = "FileSave Error!!";
inline constexpr const char* BadFileMessage = "bad file!!";

} // namespace tq58
