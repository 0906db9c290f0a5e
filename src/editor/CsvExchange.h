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

// The list as CSV text in UTF-8: a heading row, then one row per channel or entry, "." before
// decimals.
std::string ExportCsv(const SettingsRecord& settings, const ModelState& model, CsvList list);

// Reads a CSV text of any list (its first heading names it) into the record, checking every
// row as the list's page checks an entry. When any row is refused the record stays as it was
// and the message lists each refused row with its reason; told, when given, gets the same
// message as phrases, a line each, for the window to show in the user's language.
Outcome ImportCsv(SettingsRecord& settings, const ModelState& model, std::string_view text,
                  std::vector<Phrase>* told = nullptr);

} // namespace tq58
