#include "editor/DirectoryRules.h"

#include "editor/SettingEntries.h"
#include "model/FieldCodec.h"

#include <algorithm>

namespace tq58 {

namespace {

constexpr int IndividualMmsiLength = 9;
constexpr int GroupMmsiLength = 8;
constexpr std::size_t ColumnWidth = 9;

} // namespace

bool IsComplete(const DirectoryRecord& entry) {
    return !entry.TagName.empty() && !entry.Mmsid.empty();
}

std::span<DirectoryRecord> DirectoryEntries(SettingsRecord& settings, int directory) {
    if (directory == GroupDirectory) {
        return settings.CHGRPID;
    }
    return settings.CHMMSID;
}

std::span<const DirectoryRecord> DirectoryEntries(const SettingsRecord& settings, int directory) {
    if (directory == GroupDirectory) {
        return settings.CHGRPID;
    }
    return settings.CHMMSID;
}

int EnteredMmsiLength(int directory) {
    return directory == GroupDirectory ? GroupMmsiLength : IndividualMmsiLength;
}

std::optional<std::string> StoredMmsi(const std::string& typed, int directory) {
    std::optional<std::string> digits = AcceptedDigits(typed, EnteredMmsiLength(directory));
    if (!digits || digits->empty()) {
        return digits;
    }
    const std::string nine = directory == GroupDirectory ? "0" + *digits : *digits;
    return nine + "0";
}

std::optional<std::string> StoredMmsiFromShown(const std::string& shown, int directory) {
    if (directory == GroupDirectory) {
        const std::optional<std::string> nine = AcceptedDigits(shown, IndividualMmsiLength);
        if (nine && !nine->empty() && nine->front() == '0') {
            return StoredMmsi(nine->substr(1), directory);
        }
    }
    return StoredMmsi(shown, directory);
}

Phrase MmsiRule(int directory) {
    const std::string digits = std::to_string(EnteredMmsiLength(directory));
    return directory == GroupDirectory
               ? Phrase{TQ58_PHRASE("Rules", "Group MMSI: %1 digits after the leading 0"), {digits}}
               : Phrase{TQ58_PHRASE("Rules", "MMSI: %1 digits"), {digits}};
}

std::string EnteredMmsi(const std::string& stored, int directory) {
    const bool grouped = directory == GroupDirectory && !stored.empty() && stored.front() == '0';
    return stored.substr(grouped ? 1 : 0, static_cast<std::size_t>(EnteredMmsiLength(directory)));
}

std::string MmsiColumnText(const std::string& stored) {
    std::string text = ShownMmsi(stored);
    text.resize(ColumnWidth, ' ');
    return text;
}

std::optional<std::string> StoredDirectoryName(const std::string& typed) {
    if (typed.find_first_not_of(' ') == std::string::npos) {
        return std::nullopt;
    }
    return typed;
}

int UsedCount(std::span<const DirectoryRecord> entries) {
    const auto firstFree = std::find_if(entries.begin(), entries.end(),
                                        [](const DirectoryRecord& entry) { return !entry.Enable; });
    return static_cast<int>(firstFree - entries.begin());
}

EntryPanelState EntryPanelFor(std::span<const DirectoryRecord> entries, int index) {
    const int used = UsedCount(entries);
    if (index < used) {
        return {.EnableChecked = true, .DeleteOpen = true, .FieldsOpen = true};
    }
    if (index > used) {
        return {.DeleteChecked = true};
    }
    const bool previousComplete =
        index == 0 || IsComplete(entries[static_cast<std::size_t>(index) - 1]);
    return {.EnableOpen = previousComplete,
            .DeleteChecked = true,
            .PreviousIncomplete = !previousComplete};
}

Phrase PreviousEntryRule(int directory, int index) {
    std::vector<std::string> numbers{std::to_string(index + 1), std::to_string(index)};
    return directory == GroupDirectory
               ? Phrase{TQ58_PHRASE("Rules", "No.%1: No.%2 needs a group name and an MMSI first"),
                        std::move(numbers)}
               : Phrase{TQ58_PHRASE("Rules", "No.%1: No.%2 needs a station name and an MMSI first"),
                        std::move(numbers)};
}

Phrase EntryInUseRule(int directory, int index) {
    std::vector<std::string> number{std::to_string(index + 1)};
    return directory == GroupDirectory
               ? Phrase{TQ58_PHRASE("Rules",
                                    "No.%1: an entry in use needs a group name and an MMSI"),
                        std::move(number)}
               : Phrase{TQ58_PHRASE("Rules",
                                    "No.%1: an entry in use needs a station name and an MMSI"),
                        std::move(number)};
}

MmsiEntry EnterMmsi(std::span<DirectoryRecord> entries, int index, const std::string& typed,
                    int directory) {
    const std::optional<std::string> stored = StoredMmsi(typed, directory);
    if (!stored) {
        return MmsiEntry::Refused;
    }
    if (stored->empty()) {
        return MmsiEntry::Cleared;
    }
    entries[static_cast<std::size_t>(index)].Mmsid = *stored;
    return MmsiEntry::Stored;
}

void DeleteEntry(std::span<DirectoryRecord> entries, int index) {
    const auto removed = entries.begin() + index;
    std::move(removed + 1, entries.end(), removed);
    entries.back() = DirectoryRecord{};
}

} // namespace tq58
