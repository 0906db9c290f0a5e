#pragma once

#include "model/MemoryImage.h"
#include "model/Outcome.h"
#include "model/Phrase.h"

#include <optional>
#include <string>
#include <vector>

namespace tq58 {

// Every successful read from the radio is also kept as an image file in the user's backups
// folder, so that a configuration can always be had back as the radio held it.

struct BackupTime {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

inline constexpr std::size_t BackupsKeptPerModel = 50;

// "RV7700A_2026-12-06_171001.hex": by model and local date and time, so names sort by age.
std::string BackupFileName(const std::string& modelName, const BackupTime& when);

// When a backup was made, from its name; absent for a file not named as a backup of the model.
std::optional<BackupTime> BackupTimeOf(const std::string& path, const std::string& modelName);
// "2026-12-06 17:10:01"
std::string BackupTimeText(const BackupTime& when);

// The model's backups in the folder, oldest first (full paths); files of other models and
// files not named as backups are not listed.
std::vector<std::string> ListBackups(const std::string& folder, const std::string& modelName);

// Writes the image into the folder (made when missing) and then removes the model's oldest
// backups beyond keep. Nothing but this model's backups is ever removed. A failure says why
// and leaves the older backups in place.
Outcome KeepReadBackup(const std::string& folder, const std::string& modelName, const Image& image,
                       const BackupTime& when, std::size_t keep = BackupsKeptPerModel);

inline constexpr const char* BackupErrorMessage =
    TQ58_TEXT("Files", "The image read from the radio could not be kept as a backup.");

} // namespace tq58
