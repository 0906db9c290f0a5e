#include "editor/DirectoryCsv.h"

#include "editor/CsvHeadingNames.h"
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

    std::vector<Phrase> Take() {
        std::vector<Phrase> reasons;
        if (std::optional<Phrase> number = CheckNumber()) {
            reasons.push_back(std::move(*number));
        } else {
            std::optional<Phrase> name = CheckName();
            std::optional<Phrase> mmsi = CheckMmsi();
            for (std::optional<Phrase>* reason : {&name, &mmsi}) {
                if (*reason) {
                    reasons.push_back(std::move(**reason));
                }
            }
            if (!Unchanged() && PreviousIncomplete()) {
                reasons.push_back(
                    {TQ58_PHRASE("Csv", "entry %1 needs a name and an MMSI before entry %2 can "
                                        "be used"),
                     {std::to_string(index_), std::to_string(index_ + 1)}});
            }
            if (HasSurplus()) {
                reasons.push_back({TQ58_PHRASE("Csv", "more cells than headings"), {}});
            }
        }
        entry_.Enable = true;
        if (!reasons.empty()) {
            // The import fails anyway; the next row is judged on its own, not on this one.
            entry_.TagName = entry_.Mmsid = "?";
        }
        return reasons;
    }

private:
    bool Unchanged() const {
        return wasInUse_ && entry_.TagName == was_.TagName && entry_.Mmsid == was_.Mmsid;
    }

    std::optional<Phrase> CheckNumber() const {
        const std::string cell = CellAt(row_, NumberColumn);
        const auto number = ParseWholeNumberCell(cell);
        if (number && *number == index_ + 1) {
            return std::nullopt;
        }
        return ColumnPhrase(TQ58_PHRASE("Csv", "%1 %2: entries are numbered 1, 2, 3 ... in order "
                                               "without gaps, so this row is entry %3"),
                            Headings(directory_)[NumberColumn],
                            {Quoted(cell), std::to_string(index_ + 1)});
    }

    std::optional<Phrase> CheckName() {
        const std::string cell = CellAt(row_, NameColumn);
        const std::optional<std::string> stored = StoredDirectoryName(cell);
        if (!stored || *stored == entry_.TagName) {
            return std::nullopt; // a blank name keeps the entry's name, as on the entry page
        }
        const std::string heading = Headings(directory_)[NameColumn];
        if (stored->size() > static_cast<std::size_t>(DirectoryNameLength)) {
            return ColumnPhrase(TQ58_PHRASE("Csv", "%1 %2 is longer than %3 characters"), heading,
                                {Quoted(cell), std::to_string(DirectoryNameLength)});
        }
        if (!std::all_of(stored->begin(), stored->end(), IsNameCharacter)) {
            return ColumnPhrase(
                TQ58_PHRASE("Csv", "%1 %2 holds a character the radio cannot store"), heading,
                {Quoted(cell)});
        }
        entry_.TagName = *stored;
        return std::nullopt;
    }

    std::optional<Phrase> CheckMmsi() {
        const std::string cell = CellAt(row_, MmsiColumn);
        if (cell == ShownMmsi(entry_.Mmsid)) {
            return std::nullopt;
        }
        const std::optional<std::string> stored = StoredMmsiFromShown(cell, directory_);
        if (!stored) {
            const std::vector<std::string> values{Quoted(cell),
                                                  std::to_string(EnteredMmsiLength(directory_))};
            return directory_ == GroupDirectory
                       ? Phrase{TQ58_PHRASE("Csv", "MMSI %1 is not %2 digits after the leading 0"),
                                values}
                       : Phrase{TQ58_PHRASE("Csv", "MMSI %1 is not %2 digits"), values};
        }
        entry_.Mmsid = *stored;
        return std::nullopt;
    }

    bool PreviousIncomplete() const { return EntryPanelFor(entries_, index_).PreviousIncomplete; }

    bool HasSurplus() const {
        for (std::size_t column = ColumnCount; column < row_.Cells.size(); ++column) {
            if (!TrimBlanks(row_.Cells[column]).empty()) {
                return true;
            }
        }
        return false;
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
                 {{TQ58_PHRASE("Csv", "the headings are not %1"), {HeadingsText(directory)}}}}};
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
                          {{TQ58_PHRASE("Csv", "the directory has only %1 entries"),
                            {std::to_string(entries.size())}}}});
            continue;
        }
        if (std::vector<Phrase> reasons =
                EntryRow(entries, directory, rows[i], index, index < used).Take();
            !reasons.empty()) {
            refusals.Add({rows[i].Line, std::move(reasons)});
        }
    }
    // Entries that were in use beyond the file's rows are freed; free ones keep what they hold.
    for (std::size_t k = rows.size() - 1; k < static_cast<std::size_t>(used); ++k) {
        entries[k] = DirectoryRecord{};
    }
    return refusals;
}

} // namespace tq58
