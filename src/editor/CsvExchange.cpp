#include "editor/CsvExchange.h"

#include "editor/ChannelCsv.h"
#include "editor/DirectoryCsv.h"
#include "editor/NavigationTree.h"
#include "files/CsvText.h"
#include "files/Utf8Text.h"

namespace tq58 {

namespace {

// Stands for a character the radio's byte-wide texts cannot hold; no check accepts it.
constexpr char Unstorable = '\x7F';

struct ListTarget {
    bool Directory;
    int Group; // ChannelGroup or DirectoryKind
};

ListTarget TargetOf(CsvList list) {
    switch (list) {
    case CsvList::Usa:
        return {false, GroupUsa};
    case CsvList::Intl:
        return {false, GroupIntl};
    case CsvList::Canada:
        return {false, GroupCanada};
    case CsvList::Individual:
        return {true, IndividualDirectory};
    case CsvList::Group:
        return {true, GroupDirectory};
    case CsvList::Exp:
        break;
    }
    return {false, GroupExp};
}

std::string HeadingsList() {
    std::string text;
    for (const CsvListInfo& info : CsvListTable) {
        text += (text.empty() ? "" : ", ") + std::string(info.KeyHeading);
    }
    return text;
}

std::vector<CsvRow> SingleByteRows(std::vector<CsvRow> rows) {
    for (CsvRow& row : rows) {
        for (std::string& cell : row.Cells) {
            cell = SingleBytesFromUtf8(cell, Unstorable);
        }
    }
    return rows;
}

CsvRefusals ImportRows(SettingsRecord& settings, const ModelState& model,
                       const std::vector<CsvRow>& rows) {
    const std::optional<CsvList> list = rows.empty() || rows.front().Cells.empty()
                                            ? std::nullopt
                                            : CsvListHeaded(rows.front().Cells.front());
    if (!list) {
        return {{rows.empty() ? 1 : rows.front().Line,
                 "the first heading names no list; it is one of " + HeadingsList()}};
    }
    const ListTarget target = TargetOf(*list);
    return target.Directory ? ImportDirectoryRows(settings, target.Group, rows)
                            : ImportChannelRows(settings, model, target.Group, rows);
}

// "Nothing was imported: 3 rows were refused.", then "line 4: ..." for each listed refusal
// and how many more there were.
std::vector<Phrase> RefusalLines(const CsvRefusals& refusals) {
    const std::string count = std::to_string(refusals.Count());
    std::vector<Phrase> lines{
        refusals.Count() == 1
            ? Phrase{TQ58_PHRASE("Csv", "Nothing was imported: %1 row was refused."), {count}}
            : Phrase{TQ58_PHRASE("Csv", "Nothing was imported: %1 rows were refused."), {count}}};
    for (const CsvRefusal& refusal : refusals.Listed()) {
        lines.push_back(
            {TQ58_PHRASE("Csv", "line %1: %2"), {std::to_string(refusal.Line), refusal.Reason}});
    }
    if (const std::size_t more = refusals.Count() - refusals.Listed().size(); more > 0) {
        const std::string counted = std::to_string(more);
        lines.push_back(
            more == 1
                ? Phrase{TQ58_PHRASE("Csv", "... and %1 more refused row after these"), {counted}}
                : Phrase{TQ58_PHRASE("Csv", "... and %1 more refused rows after these"),
                         {counted}});
    }
    return lines;
}

Outcome ImportFailure(std::vector<Phrase> lines, std::vector<Phrase>* told) {
    std::string message;
    for (const Phrase& line : lines) {
        message += (message.empty() ? "" : "\n") + line.English();
    }
    if (told) {
        *told = std::move(lines);
    }
    return Outcome::Failure(message, MessageIcon::Exclamation);
}

} // namespace

std::string ExportCsv(const SettingsRecord& settings, const ModelState& model, CsvList list) {
    const ListTarget target = TargetOf(list);
    const auto rows = target.Directory ? DirectoryCsvRows(settings, target.Group)
                                       : ChannelCsvRows(settings, model, target.Group);
    std::string text;
    for (const auto& row : rows) {
        text += CsvLine(row);
    }
    return Utf8FromSingleBytes(text);
}

Outcome ImportCsv(SettingsRecord& settings, const ModelState& model, std::string_view text,
                  std::vector<Phrase>* told) {
    CsvTable table = ParseCsv(text);
    if (!table.Error.empty()) {
        return ImportFailure({{TQ58_PHRASE("Csv", "Nothing was imported: %1"), {table.Error}}},
                             told);
    }
    SettingsRecord imported = settings;
    const CsvRefusals refusals = ImportRows(imported, model, SingleByteRows(std::move(table.Rows)));
    if (!refusals.Empty()) {
        return ImportFailure(RefusalLines(refusals), told);
    }
    settings = std::move(imported);
    return Outcome::Success();
}

} // namespace tq58
