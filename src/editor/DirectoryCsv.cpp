#include "editor/DirectoryCsv.h"

#include "editor/CsvLists.h"
#include "editor/DirectoryRules.h"
#include "files/TextCase.h"
#include "model/FieldCodec.h"

#include <algorithm>

namespace tq58 {

namespace {

enum Column : std::size_t { NumberColumn, NameColumn, MmsiColumn, ColumnCount };

std::vector<std::string> Headings(int directory) {
    const CsvList list = directory == GroupDirectory ? CsvList::Group : CsvList::Individual;
    return {CsvListInfoOf(list).KeyHeading,
            directory == GroupDirectory ? "Group Name" : "Station Name", "MMSI"};
}

std::string HeadingsText(int directory) {
    std::string text;
    for (const std::string& heading : Headings(directory)) {
        text += (text.empty() ? "" : ",") + heading;
    }
    return text;
}

bool HeadingsMatch(const CsvRow& row, int directory) {
    const std::vector<std::string> wanted = Headings(directory);
    if (row.Cells.size() != wanted.size()) {
        return false;
    }
    return std::equal(wanted.begin(), wanted.end(), row.Cells.begin(),
                      [](const std::string& a, const std::string& b) {
                          return EqualsIgnoreCase(a, TrimBlanks(b));
                      });
}

// One row against the entry it fills; `entries` holds the entries before it in use and the
// rest free, as the entry page sees them when this entry's Enable box is clicked. A row that
// leaves an entry in use as it was is not judged by the rules of entering it: an exported
// directory reads back unchanged, blank entries and all.
class EntryRow {
public:
    EntryRow(std::span<DirectoryRecord> entries, int directory, const CsvRow& row, int index,
             bool wasInUse)
        : entries_(entries), directory_(directory), row_(row), index_(index),
          entry_(entries[static_cast<std::size_t>(index)]), was_(entry_), wasInUse_(wasInUse) {}

    std::string Take() {
        std::string reason = CheckNumber();
        if (reason.empty()) {
            const std::string name = CheckName();
            const std::string mmsi = CheckMmsi();
            reason = Joined({name, mmsi, Unchanged() ? "" : CheckPrevious(), CheckSurplus()});
        }
        entry_.Enable = true;
        if (!reason.empty()) {
            // The import fails anyway; the next row is judged on its own, not on this one.
            entry_.TagName = entry_.Mmsid = "?";
        }
        return reason;
    }

private:
    bool Unchanged() const {
        return wasInUse_ && entry_.TagName == was_.TagName && entry_.Mmsid == was_.Mmsid;
    }

    static std::string Joined(const std::vector<std::string>& reasons) {
        std::string joined;
        for (const std::string& reason : reasons) {
            joined += reason.empty() ? "" : (joined.empty() ? "" : "; ") + reason;
        }
        return joined;
    }

    std::string CheckNumber() const {
        const std::string cell = CellAt(row_, NumberColumn);
        const auto number = ParseWholeNumberCell(cell);
        if (number && *number == index_ + 1) {
            return {};
        }
        return Headings(directory_)[NumberColumn] + " " + Quoted(cell) +
               ": entries are numbered 1, 2, 3 ... in order without gaps, so this row is entry " +
               std::to_string(index_ + 1);
    }

    std::string CheckName() {
        const std::string cell = CellAt(row_, NameColumn);
        const std::optional<std::string> stored = StoredDirectoryName(cell);
        if (!stored || *stored == entry_.TagName) {
            return {}; // a blank name keeps the entry's name, as on the entry page
        }
        const std::string heading = Headings(directory_)[NameColumn];
        if (stored->size() > static_cast<std::size_t>(DirectoryNameLength)) {
            return heading + " " + Quoted(cell) + " is longer than " +
                   std::to_string(DirectoryNameLength) + " characters";
        }
        if (!std::all_of(stored->begin(), stored->end(), IsNameCharacter)) {
            return heading + " " + Quoted(cell) + " holds a character the radio cannot store";
        }
        entry_.TagName = *stored;
        return {};
    }

    std::string CheckMmsi() {
        const std::string cell = CellAt(row_, MmsiColumn);
        if (cell == ShownMmsi(entry_.Mmsid)) {
            return {};
        }
        const std::optional<std::string> stored = StoredMmsiFromShown(cell, directory_);
        if (!stored) {
            return "MMSI " + Quoted(cell) + " is not " + MmsiLimits(directory_);
        }
        entry_.Mmsid = *stored;
        return {};
    }

    std::string CheckPrevious() const {
        if (!EntryPanelFor(entries_, index_).PreviousIncomplete) {
            return {};
        }
        return "entry " + std::to_string(index_) + " needs a name and an MMSI before entry " +
               std::to_string(index_ + 1) + " can be used";
    }

    std::string CheckSurplus() const {
        for (std::size_t column = ColumnCount; column < row_.Cells.size(); ++column) {
            if (!TrimBlanks(row_.Cells[column]).empty()) {
                return "more cells than headings";
            }
        }
        return {};
    }

    std::span<DirectoryRecord> entries_;
    int directory_;
    const CsvRow& row_;
    int index_;
    DirectoryRecord& entry_;
    const DirectoryRecord was_;
    bool wasInUse_;
};

} // namespace

std::vector<std::vector<std::string>> DirectoryCsvRows(const SettingsRecord& settings,
                                                       int directory) {
    const std::span<const DirectoryRecord> entries = DirectoryEntries(settings, directory);
    std::vector<std::vector<std::string>> rows{Headings(directory)};
    for (int k = 0; k < UsedCount(entries); ++k) {
        const DirectoryRecord& entry = entries[static_cast<std::size_t>(k)];
        rows.push_back({std::to_string(k + 1), entry.TagName, ShownMmsi(entry.Mmsid)});
    }
    return rows;
}

CsvRefusals ImportDirectoryRows(SettingsRecord& settings, int directory,
                                const std::vector<CsvRow>& rows) {
    if (rows.empty() || !HeadingsMatch(rows.front(), directory)) {
        return {{rows.empty() ? 1 : rows.front().Line,
                 "the headings are not " + HeadingsText(directory)}};
    }
    const std::span<DirectoryRecord> entries = DirectoryEntries(settings, directory);
    const int used = UsedCount(entries);
    // Each row is entered over the entry's old name and MMSI, after the rows before it.
    for (DirectoryRecord& entry : entries) {
        entry.Enable = false;
    }
    CsvRefusals refusals;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const int index = static_cast<int>(i) - 1;
        if (index >= static_cast<int>(entries.size())) {
            refusals.Add({rows[i].Line,
                          "the directory has only " + std::to_string(entries.size()) + " entries"});
            continue;
        }
        if (std::string reason = EntryRow(entries, directory, rows[i], index, index < used).Take();
            !reason.empty()) {
            refusals.Add({rows[i].Line, std::move(reason)});
        }
    }
    // Entries that were in use beyond the file's rows are freed; free ones keep what they hold.
    for (std::size_t k = rows.size() - 1; k < static_cast<std::size_t>(used); ++k) {
        entries[k] = DirectoryRecord{};
    }
    return refusals;
}

} // namespace tq58
