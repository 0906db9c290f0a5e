#include "program/BackupChanges.h"

#include "files/ImageFile.h"
#include "model/Decoder.h"
#include "model/ImageHeader.h"
#include "model/NewData.h"
#include "program/ReadBackups.h"

namespace tq58 {

namespace {

// The settings as the radio will hold them: only what the image carries, over new data.
RadioData AsWritten(const RadioData& data, const ModelState& model) {
    RadioData outgoing = data;
    // A header that cannot be prepared stops the transfer itself; the comparison shows the
    // image as it stands.
    (void)PrepareOutgoingImage(outgoing, model);
    RadioData written;
    (void)NewData(written, model);
    written.MemoryImage = outgoing.MemoryImage;
    written.ImageLastAddress = outgoing.ImageLastAddress;
    DecodeImage(written, model);
    return written;
}

bool ReadBackup(const std::string& path, const ModelState& model, RadioData& backup) {
    (void)NewData(backup, model);
    return ReadHexFileAs(path, backup, model, {}).Ok;
}

} // namespace

BackupChanges ChangesSinceNewestBackup(const std::string& backupsFolder, const RadioData& data,
                                       const ModelState& model) {
    BackupChanges changes;
    const std::vector<std::string> backups = ListBackups(backupsFolder, model.ModelName);
    for (auto path = backups.rbegin(); path != backups.rend(); ++path) {
        RadioData backup;
        if (!ReadBackup(*path, model, backup)) {
            changes.Unreadable.push_back(*path);
            continue;
        }
        changes.BackupPath = *path;
        if (const auto when = BackupTimeOf(*path, model.ModelName)) {
            changes.BackupDate = BackupTimeText(*when);
        }
        const RadioData written = AsWritten(data, model);
        changes.Differences = CompareSettings(backup, model, written, model);
        changes.Kept = UnofferedSettings(written, model);
        break;
    }
    return changes;
}

} // namespace tq58
