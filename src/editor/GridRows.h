#pragma once

#include "editor/CsvLists.h"
#include "model/ModelState.h"
#include "model/Outcome.h"
#include "model/Phrase.h"
#include "model/SettingsRecord.h"

#include <string>
#include <string_view>
#include <vector>

namespace tq58 {

// Rows of a grid exchanged with a spreadsheet and edited in place, in the CSV export's
// columns and taken by the CSV import's checks. A row's key is its first cell: the EXP
// channel's or the directory entry's number, or the plan channel's label.

// The rows of the keys as tab-separated lines in UTF-8, the export's heading row first.
std::string CopiedRows(const SettingsRecord& settings, const ModelState& model, CsvList list,
                       const std::vector<std::string>& keys);

// Where pasted rows land: the grid's rows from the selected one on, by their keys, and the
// export heading each grid column from the selected one on takes (empty: it takes nothing).
struct PasteTarget {
    std::vector<std::string> Keys;
    std::vector<std::string> Columns;
};

// A paste worked out on a copy of the record, for the window to apply once it may.
struct PastedRows {
    Outcome Result;
    std::vector<Phrase> Told;      // why nothing can be pasted, a line each
    SettingsRecord Settings;       // the record with the rows in
    std::vector<std::string> Keys; // the rows that got them
    int ReplacedFilled = 0;        // entries or channels in use or named that the paste changes
};

// Pastes tab- or comma-separated rows, all or none. Under a heading row that begins with the
// list's key heading, each row goes to the channel or entry its first cell names, as the CSV
// import takes it; under a heading row of the list's other headings, and without one, rows
// fill the target's rows from the selected one on, and a row without headings fills the
// target's columns from the selected cell on, as a spreadsheet does.
PastedRows PasteRows(const SettingsRecord& settings, const ModelState& model, CsvList list,
                     const PasteTarget& target, std::string_view text);

// One cell of the row of the key, typed under the export's heading: taken as the import
// would take it. The failure's message is the reason alone; told, when given, gets it as a
// phrase.
Outcome EditCell(SettingsRecord& settings, const ModelState& model, CsvList list,
                 const std::string& key, const std::string& heading, const std::string& text,
                 Phrase* told = nullptr);

// The cell of the row of the key under the export's heading, as the export writes it; empty
// when the list has no such row or column.
std::string CellText(const SettingsRecord& settings, const ModelState& model, CsvList list,
                     const std::string& key, const std::string& heading);

// The export's headings of the list.
std::vector<std::string> ListHeadings(const SettingsRecord& settings, const ModelState& model,
                                      CsvList list);

} // namespace tq58
