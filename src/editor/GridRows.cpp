#include "editor/GridRows.h"

#include "editor/ChannelCsv.h"
#include "editor/CsvCells.h"
#include "editor/DirectoryCsv.h"
#include "editor/NavigationTree.h"
#include "files/TextCase.h"
#include "files/Utf8Text.h"

#include <algorithm>

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

bool IsHeadingRow(const CsvRow& row) {
    return !row.Cells.empty() && CsvListHeaded(std::string(TrimBlanks(row.Cells.front())));
}

// A directory is taken whole: the rows land on its entries as they are now.
CsvRefusals TakeDirectoryRows(SettingsRecord& settings, int directory,
                              const std::vector<std::string>& headings,
                              const std::vector<CsvRow>& rows) {
    std::vector<CsvRow> whole;
    for (auto& cells : DirectoryCsvRows(settings, directory)) {
        whole.push_back({0, std::move(cells)});
    }
    const std::vector<std::string> wholeHeadings = whole.front().Cells;
    for (const CsvRow& row : rows) {
        const auto number = static_cast<std::size_t>(std::stoi(row.Cells.front()));
        while (whole.size() <= number) {
            whole.push_back({row.Line, {std::to_string(whole.size()), "", ""}});
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

Outcome PasteFailure(const std::vector<Phrase>& lines, std::vector<Phrase>* told) {
    if (told) {
        *told = lines;
    }
    return Outcome::Failure(EnglishLines(lines), MessageIcon::Exclamation);
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

int PastedRowCount(std::string_view text) {
    const std::vector<CsvRow> rows = ClipboardRows(text);
    return static_cast<int>(rows.size()) - (!rows.empty() && IsHeadingRow(rows.front()) ? 1 : 0);
}

Outcome PasteRows(SettingsRecord& settings, const ModelState& model, CsvList list,
                  const std::vector<std::string>& keys, std::string_view text,
                  std::vector<Phrase>* told) {
    if (text.size() > MaxPastedBytes) {
        return PasteFailure({{TQ58_PHRASE("Csv", "Nothing was pasted: the clipboard holds more "
                                                 "than %1 MB, far more than a list."),
                              {std::to_string(MaxPastedMegabytes)}}},
                            told);
    }
    std::vector<CsvRow> rows = ClipboardRows(text);
    std::vector<std::string> headings = ListHeadings(settings, model, list);
    if (!rows.empty() && IsHeadingRow(rows.front())) {
        if (CsvListHeaded(std::string(TrimBlanks(rows.front().Cells.front()))) != list) {
            return PasteFailure(
                {{TQ58_PHRASE("Csv", "Nothing was pasted: the rows are not of the %1."),
                  {},
                  {{"Csv", CsvListInfoOf(list).Title, {}}}}},
                told);
        }
        headings = rows.front().Cells;
        rows.erase(rows.begin());
    }
    if (rows.empty()) {
        return PasteFailure(
            {{TQ58_PHRASE("Csv", "Nothing was pasted: the clipboard holds no rows."), {}}}, told);
    }
    if (rows.size() > keys.size()) {
        return PasteFailure(
            RefusalLines(
                {{rows[keys.size()].Line, {{TQ58_PHRASE("Csv", "below the list's last row"), {}}}}},
                RefusedBy::Paste),
            told);
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].Cells.front() = keys[i];
    }
    const CsvRefusals refusals = TakeRows(settings, model, list, headings, std::move(rows));
    return refusals.Empty() ? Outcome::Success()
                            : PasteFailure(RefusalLines(refusals, RefusedBy::Paste), told);
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
