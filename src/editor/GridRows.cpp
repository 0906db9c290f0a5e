#include "editor/GridRows.h"

#include "editor/ChannelCsv.h"
#include "editor/ChannelLists.h"
#include "editor/CsvCells.h"
#include "editor/DirectoryCsv.h"
#include "editor/DirectoryRules.h"
#include "editor/NavigationTree.h"
#include "files/TextCase.h"
#include "files/Utf8Text.h"
#include "model/FieldCodec.h"

#include <algorithm>
#include <optional>
#include <span>

namespace tq58 {

namespace {

// A whole list copied is a few kilobytes; a clipboard far beyond that is refused unread, so
// that a paste of any size leaves the window responsive.
constexpr std::size_t MaxPastedMegabytes = 1;
constexpr std::size_t MaxPastedBytes = MaxPastedMegabytes << 20;

bool IsDirectory(CsvList list) {
    return list == CsvList::Individual || list == CsvList::Group;
}

int GroupOf(CsvList list) {
    switch (list) {
    case CsvList::Usa:
        return GroupUsa;
    case CsvList::Intl:
        return GroupIntl;
    case CsvList::Canada:
        return GroupCanada;
    case CsvList::Individual:
        return IndividualDirectory;
    case CsvList::Group:
        return GroupDirectory;
    case CsvList::Exp:
        break;
    }
    return GroupExp;
}

std::vector<std::vector<std::string>> ExportRows(const SettingsRecord& settings,
                                                 const ModelState& model, CsvList list) {
    return IsDirectory(list) ? DirectoryCsvRows(settings, GroupOf(list))
                             : ChannelCsvRows(settings, model, GroupOf(list));
}

std::vector<CsvRow> TabRows(std::string_view text) {
    std::vector<CsvRow> rows;
    int line = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view part = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        ++line;
        if (!part.empty() && part.back() == '\r') {
            part.remove_suffix(1);
        }
        if (TrimBlanks(part).empty()) {
            continue;
        }
        CsvRow row{line, {}};
        for (std::size_t tab; (tab = part.find('\t')) != std::string_view::npos;) {
            row.Cells.emplace_back(part.substr(0, tab));
            part.remove_prefix(tab + 1);
        }
        row.Cells.emplace_back(part);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<CsvRow> ClipboardRows(std::string_view text) {
    std::vector<CsvRow> rows =
        text.find('\t') != std::string_view::npos ? TabRows(text) : ParseCsv(text).Rows;
    for (CsvRow& row : rows) {
        for (std::string& cell : row.Cells) {
            cell = SingleBytesFromUtf8(cell, UnstorableCharacter);
        }
    }
    return rows;
}

std::string TrimmedCell(const CsvRow& row, std::size_t column) {
    return std::string(TrimBlanks(CellAt(row, column)));
}

bool IsHeadingRow(const CsvRow& row) {
    return !row.Cells.empty() && CsvListHeaded(TrimmedCell(row, 0));
}

// Entries are used in order: a row may fill the first entry not in use, never one beyond.
std::optional<CsvRefusal> OutOfOrder(std::span<const DirectoryRecord> entries,
                                     const std::vector<CsvRow>& rows) {
    int reach = UsedCount(entries);
    for (const CsvRow& row : rows) {
        const auto number = ParseWholeNumberCell(TrimmedCell(row, 0));
        if (!number || *number < 1 || *number > static_cast<int>(entries.size())) {
            return CsvRefusal{row.Line,
                              {{TQ58_PHRASE("Csv", "%1 is not an entry of the directory"),
                                {Quoted(CellAt(row, 0))}}}};
        }
        if (*number > reach + 1) {
            return CsvRefusal{
                row.Line,
                {{TQ58_PHRASE("Csv", "entries are used in order from 1: entry %1 is switched "
                                     "off, so entry %2 cannot be used yet"),
                  {std::to_string(reach + 1), std::to_string(*number)}}}};
        }
        reach = std::max(reach, *number);
    }
    return std::nullopt;
}

// A directory is taken whole: the rows land on its entries as they are now; an entry not in
// use keeps what it holds unless a row changes it.
CsvRefusals TakeDirectoryRows(SettingsRecord& settings, int directory,
                              const std::vector<std::string>& headings,
                              const std::vector<CsvRow>& rows) {
    const std::span<const DirectoryRecord> entries = DirectoryEntries(settings, directory);
    if (std::optional<CsvRefusal> refusal = OutOfOrder(entries, rows)) {
        return {std::move(*refusal)};
    }
    std::vector<CsvRow> whole;
    for (auto& cells : DirectoryCsvRows(settings, directory)) {
        whole.push_back({0, std::move(cells)});
    }
    const std::vector<std::string> wholeHeadings = whole.front().Cells;
    for (const CsvRow& row : rows) {
        const auto number = static_cast<std::size_t>(*ParseWholeNumberCell(TrimmedCell(row, 0)));
        while (whole.size() <= number) {
            const DirectoryRecord& held = entries[whole.size() - 1];
            whole.push_back(
                {row.Line, {std::to_string(whole.size()), held.TagName, ShownMmsi(held.Mmsid)}});
        }
        CsvRow& target = whole[number];
        target.Line = row.Line;
        for (std::size_t column = 1; column < std::min(headings.size(), row.Cells.size());
             ++column) {
            for (std::size_t w = 1; w < wholeHeadings.size(); ++w) {
                if (EqualsIgnoreCase(TrimBlanks(headings[column]), wholeHeadings[w])) {
                    target.Cells[w] = row.Cells[column];
                }
            }
        }
    }
    return ImportDirectoryRows(settings, directory, whole);
}

// The rows, keyed already, into a copy of the record; the record takes the copy when no row
// was refused.
CsvRefusals TakeRows(SettingsRecord& settings, const ModelState& model, CsvList list,
                     const std::vector<std::string>& headings, std::vector<CsvRow> rows) {
    SettingsRecord changed = settings;
    CsvRefusals refusals;
    if (IsDirectory(list)) {
        refusals = TakeDirectoryRows(changed, GroupOf(list), headings, rows);
    } else {
        // A row shorter than the headings leaves the columns it lacks as they are.
        for (const CsvRow& row : rows) {
            CsvRow cut{0, headings};
            cut.Cells.resize(std::min(headings.size(), row.Cells.size()));
            const CsvRefusals rowRefusals =
                ImportChannelRows(changed, model, GroupOf(list), {cut, row});
            for (const CsvRefusal& refusal : rowRefusals.Listed()) {
                refusals.Add(refusal);
            }
        }
    }
    if (refusals.Empty()) {
        settings = std::move(changed);
    }
    return refusals;
}

// The rows as the import takes them: a heading row of the key heading and the columns
// pasted, then one row per pasted row, keyed by the channel or entry it lands on.
struct PasteLayout {
    std::vector<std::string> Headings;
    std::vector<CsvRow> Rows;
    int Beyond = 0;         // the line of the first row below the list's last row
    bool OtherList = false; // the heading row names another list
};

std::optional<std::size_t> HeadingIndex(const std::vector<std::string>& headings,
                                        std::string_view cell) {
    for (std::size_t i = 0; i < headings.size(); ++i) {
        if (EqualsIgnoreCase(headings[i], TrimBlanks(cell))) {
            return i;
        }
    }
    return std::nullopt;
}

// The cells of the row of the key as the export writes them, entries not in use included;
// empty for a key the list does not have.
std::vector<std::string> HeldCells(const SettingsRecord& settings, const ModelState& model,
                                   CsvList list, const std::string& key) {
    if (IsDirectory(list)) {
        const auto entries = DirectoryEntries(settings, GroupOf(list));
        const std::optional<int> number = ParseWholeNumberCell(key);
        if (!number || *number < 1 || *number > static_cast<int>(entries.size())) {
            return {};
        }
        const DirectoryRecord& entry = entries[static_cast<std::size_t>(*number) - 1];
        return {key, entry.TagName, ShownMmsi(entry.Mmsid)};
    }
    for (auto& row : ExportRows(settings, model, list)) {
        if (row.front() == key) {
            return row;
        }
    }
    return {};
}

// Cells under the list's headings onto the rows of the keys, from the first on; the
// headings of `columns` say where each cell of a row goes (absent: nowhere). A cell under
// the key heading must be the key of the row it lands on. Absent when the cells do not fit.
std::optional<PasteLayout> KeyedRows(const SettingsRecord& settings, const ModelState& model,
                                     CsvList list, const std::vector<std::string>& keys,
                                     const std::vector<std::optional<std::size_t>>& columns,
                                     const std::vector<CsvRow>& rows) {
    const std::vector<std::string> headings = ListHeadings(settings, model, list);
    PasteLayout layout{headings, {}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].Cells.size() > columns.size()) {
            return std::nullopt;
        }
        if (i >= keys.size()) {
            layout.Beyond = rows[i].Line;
            return layout;
        }
        CsvRow row{rows[i].Line, HeldCells(settings, model, list, keys[i])};
        if (row.Cells.empty()) {
            row.Cells = {keys[i]}; // refused by the import, which names the key
        }
        row.Cells.resize(headings.size());
        for (std::size_t c = 0; c < rows[i].Cells.size(); ++c) {
            const std::string& cell = rows[i].Cells[c];
            if (!columns[c]) {
                continue;
            }
            if (*columns[c] == 0 && !TrimBlanks(cell).empty() &&
                !EqualsIgnoreCase(TrimBlanks(cell), keys[i])) {
                return std::nullopt;
            }
            row.Cells[*columns[c]] = cell;
        }
        layout.Rows.push_back(std::move(row));
    }
    return layout;
}

std::optional<PasteLayout> LayOut(const SettingsRecord& settings, const ModelState& model,
                                  CsvList list, const PasteTarget& target,
                                  std::vector<CsvRow> rows) {
    const std::vector<std::string> headings = ListHeadings(settings, model, list);
    std::vector<std::optional<std::size_t>> columns;
    if (rows.empty()) {
        return PasteLayout{};
    }
    const CsvRow& first = rows.front();
    std::size_t named = 0;
    for (const std::string& cell : first.Cells) {
        columns.push_back(HeadingIndex(headings, cell));
        named += columns.back() ? 1 : 0;
    }
    if (IsHeadingRow(first) && CsvListHeaded(TrimmedCell(first, 0)) != list) {
        return PasteLayout{{}, {}, 0, true};
    }
    if (named == 0) {
        // No headings: the cells fill the grid's columns from the selected cell on.
        columns.clear();
        for (const std::string& heading : target.Columns) {
            columns.push_back(heading.empty() ? std::nullopt : HeadingIndex(headings, heading));
        }
        return KeyedRows(settings, model, list, target.Keys, columns, rows);
    }
    if (named < first.Cells.size()) {
        return std::nullopt;
    }
    rows.erase(rows.begin());
    if (columns.front() != 0) {
        return KeyedRows(settings, model, list, target.Keys, columns, rows);
    }
    // Numbered rows go to their own channels or entries.
    std::vector<std::string> keys;
    for (const CsvRow& row : rows) {
        keys.push_back(TrimmedCell(row, 0));
    }
    return KeyedRows(settings, model, list, keys, columns, rows);
}

// "Nothing was pasted: the columns fit no list; the Individual Directory takes Memory ID,
// Station Name, MMSI."
Phrase NoFit(const SettingsRecord& settings, const ModelState& model, CsvList list) {
    std::string expected;
    for (const std::string& heading : ListHeadings(settings, model, list)) {
        expected += (expected.empty() ? "" : ", ") + heading;
    }
    return {TQ58_PHRASE("Csv", "Nothing was pasted: the columns fit no list; the %2 takes %1."),
            {expected},
            {{"Csv", CsvListInfoOf(list).Title, {}}}};
}

bool Filled(const DirectoryRecord& entry) {
    return entry.Enable || !entry.TagName.empty() || !entry.Mmsid.empty();
}

bool Filled(const ChannelRecord& channel) {
    return channel.Enable || !channel.ChTag.empty();
}

template <typename Records> int ChangedFilled(const Records& before, const Records& after) {
    int count = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        count += Filled(before[i]) && !(before[i] == after[i]) ? 1 : 0;
    }
    return count;
}

int ReplacedFilled(const SettingsRecord& before, const SettingsRecord& after, CsvList list) {
    if (IsDirectory(list)) {
        return ChangedFilled(DirectoryEntries(before, GroupOf(list)),
                             DirectoryEntries(after, GroupOf(list)));
    }
    return ChangedFilled(ChannelList(before, GroupOf(list)), ChannelList(after, GroupOf(list)));
}

} // namespace

std::vector<std::string> ListHeadings(const SettingsRecord& settings, const ModelState& model,
                                      CsvList list) {
    return ExportRows(settings, model, list).front();
}

std::string CellText(const SettingsRecord& settings, const ModelState& model, CsvList list,
                     const std::string& key, const std::string& heading) {
    const auto rows = ExportRows(settings, model, list);
    const auto& headings = rows.front();
    const auto column = std::find(headings.begin(), headings.end(), heading) - headings.begin();
    for (const auto& row : rows) {
        if (row.front() == key && static_cast<std::size_t>(column) < row.size()) {
            return Utf8FromSingleBytes(row[static_cast<std::size_t>(column)]);
        }
    }
    return {};
}

std::string CopiedRows(const SettingsRecord& settings, const ModelState& model, CsvList list,
                       const std::vector<std::string>& keys) {
    const auto rows = ExportRows(settings, model, list);
    std::string text;
    for (const auto& row : rows) {
        const bool wanted =
            &row == &rows.front() || std::find(keys.begin(), keys.end(), row.front()) != keys.end();
        for (std::size_t i = 0; wanted && i < row.size(); ++i) {
            text += row[i] + (i + 1 < row.size() ? "\t" : "\r\n");
        }
    }
    return Utf8FromSingleBytes(text);
}

PastedRows PasteRows(const SettingsRecord& settings, const ModelState& model, CsvList list,
                     const PasteTarget& target, std::string_view text) {
    PastedRows pasted{Outcome::Success(), {}, settings, {}, 0};
    const bool tooLarge = text.size() > MaxPastedBytes;
    std::optional<PasteLayout> layout;
    if (!tooLarge) {
        layout = LayOut(settings, model, list, target, ClipboardRows(text));
    }
    std::vector<Phrase> refusal;
    if (tooLarge) {
        refusal = {{TQ58_PHRASE("Csv", "Nothing was pasted: the clipboard holds more "
                                       "than %1 MB, far more than a list."),
                    {std::to_string(MaxPastedMegabytes)}}};
    } else if (!layout) {
        refusal = {NoFit(settings, model, list)};
    } else if (layout->OtherList) {
        refusal = {{TQ58_PHRASE("Csv", "Nothing was pasted: the rows are not of the %1."),
                    {},
                    {{"Csv", CsvListInfoOf(list).Title, {}}}}};
    } else if (layout->Rows.empty()) {
        refusal = {{TQ58_PHRASE("Csv", "Nothing was pasted: the clipboard holds no rows."), {}}};
    } else if (layout->Beyond) {
        refusal = RefusalLines(
            {{layout->Beyond, {{TQ58_PHRASE("Csv", "below the list's last row"), {}}}}},
            RefusedBy::Paste);
    } else if (const CsvRefusals refusals =
                   TakeRows(pasted.Settings, model, list, layout->Headings, layout->Rows);
               !refusals.Empty()) {
        refusal = RefusalLines(refusals, RefusedBy::Paste);
    }
    if (!refusal.empty()) {
        pasted.Settings = settings;
        pasted.Result = Outcome::Failure(EnglishLines(refusal), MessageIcon::Exclamation);
        pasted.Told = std::move(refusal);
        return pasted;
    }
    for (const CsvRow& row : layout->Rows) {
        pasted.Keys.push_back(TrimmedCell(row, 0));
    }
    pasted.ReplacedFilled = ReplacedFilled(settings, pasted.Settings, list);
    return pasted;
}

Outcome EditCell(SettingsRecord& settings, const ModelState& model, CsvList list,
                 const std::string& key, const std::string& heading, const std::string& text,
                 Phrase* told) {
    const std::vector<std::string> headings{CsvListInfoOf(list).KeyHeading, heading};
    const CsvRefusals refusals =
        TakeRows(settings, model, list, headings,
                 {{1, {key, SingleBytesFromUtf8(text, UnstorableCharacter)}}});
    if (refusals.Empty()) {
        return Outcome::Success();
    }
    Phrase reason = JoinedReasons(refusals.Listed().front().Reasons);
    std::string message = reason.English();
    if (told) {
        *told = std::move(reason);
    }
    return Outcome::Failure(std::move(message), MessageIcon::Exclamation);
}

} // namespace tq58
