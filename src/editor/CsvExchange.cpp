#include "editor/CsvExchange.h"

#include "editor/ChannelCsv.h"
#include "editor/CsvCells.h"
#include "editor/DirectoryCsv.h"
#include "editor/NavigationTree.h"
#include "files/CsvText.h"
#include "files/Utf8Text.h"

namespace tq58 {

namespace {

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
            cell = SingleBytesFromUtf8(cell, UnstorableCharacter);
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
                 {{TQ58_PHRASE("Csv", "the first heading names no list; it must be one of %1"),
                   {HeadingsList()}}}}};
    }
    const ListTarget target = TargetOf(*list);
    return target.Directory ? ImportDirectoryRows(settings, target.Group, rows)
                            : ImportChannelRows(settings, model, target.Group, rows);
}

Outcome ImportFailure(std::vector<Phrase> lines, std::vector<Phrase>* told) {
    std::string message = EnglishLines(lines);
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
        return ImportFailure(RefusalLines(refusals, RefusedBy::Import), told);
    }
    settings = std::move(imported);
    return Outcome::Success();
}

} // namespace tq58
