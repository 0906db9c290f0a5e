#pragma once

#include "model/MemoryImage.h"
#include "model/Outcome.h"

#include <string>

namespace tq58 {

// The per-user data folder of every TQ58 program, the window and the command line alike
// (~/.local/share/TQ58/TQ58 on Linux, %LOCALAPPDATA%\TQ58 on Windows): what an installed
// program writes goes here, never into its read-only program folder.
std::string UserDataFolder();

// "backups" in the per-user data folder: the images of reads from the radio.
std::string BackupsFolder();

// Keeps the image as read from the radio in the backups folder, named by model and the local
// time now. A failure says why; the read it came from goes on regardless.
Outcome KeepBackupNow(const std::string& modelName, const Image& image);

} // namespace tq58
