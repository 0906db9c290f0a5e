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

// Pastes tab- or comma-separated rows (a heading row of the same list may lead) onto the
// rows of the keys, in order: all rows or none. The key cells a row brings are replaced by
// the keys it lands on; the message of a refusal names every refused row. told, when given,
// gets that message as phrases, a line each, for the window to show in the user's language.
Outcome PasteRows(SettingsRecord& settings, const ModelState& model, CsvList list,
                  const std::vector<std::string>& keys, std::string_view text,
                  std::vector<Phrase>* told = nullptr);

// The number of rows the text holds below a heading row of the list.
int PastedRowCount(std::string_view text);

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
