#pragma once

#include "model/ModelState.h"
#include "model/RadioData.h"
#include "report/SettingsComparison.h"

#include <string>
#include <vector>

namespace tq58 {

// What Program to Radio will change, judged against the newest backup of a read of this
// model: the radio most likely still holds what it gave then.
struct BackupChanges {
    std::string BackupPath; // empty when no backup of the model could be read
    std::string BackupDate; // "2026-12-06 17:10:01"
    // In the comparison's words: value A is the backup's, value B the one to be written.
    std::vector<SettingDifference> Differences;
    // The settings to be written with values the window does not offer, which go back as they
    // are: listed apart from the changes.
    std::vector<SettingDifference> Kept;
    // Newer backups of the model passed over because they could not be read.
    std::vector<std::string> Unreadable;

    bool Found() const { return !BackupPath.empty(); }
};

// Compares the data as it would be written (encoded, header prepared, read back as the
// radio would give it) with the newest readable backup of the model in the folder.
BackupChanges ChangesSinceNewestBackup(const std::string& backupsFolder, const RadioData& data,
                                       const ModelState& model);

} // namespace tq58
