#pragma once

#include "editor/NavigationTree.h"
#include "model/Phrase.h"
#include "model/SettingsRecord.h"

#include <optional>
#include <span>
#include <string>

namespace tq58 {

// The entries of the individual (CHMMSID) or the group (CHGRPID) directory.
std::span<DirectoryRecord> DirectoryEntries(SettingsRecord& settings, int directory);
std::span<const DirectoryRecord> DirectoryEntries(const SettingsRecord& settings, int directory);

// A station or group name fills at most this many characters of the entry.
inline constexpr int DirectoryNameLength = 11;

// Digits the user enters: 9 for a station, 8 for a group (the leading "0" is implied).
int EnteredMmsiLength(int directory);

// The stored form of an entered MMSI: the nine digits and "0", for a group "0", the eight
// digits and "0"; empty for no MMSI. Absent when the text has the wrong length.
std::optional<std::string> StoredMmsi(const std::string& typed, int directory);
// The same from the nine digits a person reads (the list, the report, the CSV); a group's
// MMSI may also be written without its leading 0, as the entry field takes it.
std::optional<std::string> StoredMmsiFromShown(const std::string& shown, int directory);
// The MMSI rule in words: "MMSI: 9 digits", "Group MMSI: 8 digits after the leading 0".
Phrase MmsiRule(int directory);
// What the entry field shows of a stored MMSI: the digits the user enters.
std::string EnteredMmsi(const std::string& stored, int directory);
// The directory list's MMSI column: the first nine characters, padded with blanks.
std::string MmsiColumnText(const std::string& stored);

// A station or group name: stored as typed unless it is blank, which keeps the old name.
std::optional<std::string> StoredDirectoryName(const std::string& typed);

// An entry has both a name and an MMSI; an entry in use must have them before it is left.
bool IsComplete(const DirectoryRecord& entry);

// Entries 1 to the used count are in use; the first entry not in use ends the directory.
int UsedCount(std::span<const DirectoryRecord> entries);

// The entry panel's controls for the entry at index (0-based).
struct EntryPanelState {
    bool EnableChecked = false;
    bool EnableOpen = false; // the Enable box may be clicked
    bool DeleteChecked = false;
    bool DeleteOpen = false;
    bool FieldsOpen = false; // name and MMSI with their labels
    // The first free entry cannot be opened because the entry before it lacks a name or MMSI.
    bool PreviousIncomplete = false;

    bool operator==(const EntryPanelState&) const = default;
};
EntryPanelState EntryPanelFor(std::span<const DirectoryRecord> entries, int index);
// Why an entry cannot be opened yet: "No.3: No.2 needs a station name and an MMSI first".
Phrase PreviousEntryRule(int directory, int index);
// Why an entry in use cannot be left: "No.2: an entry in use needs a station name and an MMSI".
Phrase EntryInUseRule(int directory, int index);

enum class MmsiEntry {
    Refused, // wrong length: nothing stored
    Stored,
    Cleared, // the MMSI was removed: the entry is to be deleted
};
// Stores an entered MMSI into the entry; a cleared MMSI leaves the entry as it was.
MmsiEntry EnterMmsi(std::span<DirectoryRecord> entries, int index, const std::string& typed,
                    int directory);

// Removes the entry: every following entry moves up by one and the last becomes free.
void DeleteEntry(std::span<DirectoryRecord> entries, int index);

} // namespace tq58
