#pragma once

#include "files/CsvText.h"

#include <optional>
#include <string>
#include <vector>

namespace tq58 {

// A refused row of an import: its line in the file and why.
struct CsvRefusal {
    int Line = 0;
    std::string Reason;
};
using CsvRefusals = std::vector<CsvRefusal>;

// Flags are written "On" and "Off", as the setting pages word them.
std::string OnOffCell(bool value);
// "On" or "Off" in any case; absent for anything else.
std::optional<bool> ParseOnOffCell(const std::string& cell);
// A whole number written with digits only; absent for anything else.
std::optional<int> ParseWholeNumberCell(const std::string& cell);

// The cell under column `column`; a spreadsheet leaves out empty cells at a row's end.
std::string CellAt(const CsvRow& row, std::size_t column);
// The cell as a message quotes it.
std::string Quoted(const std::string& cell);

} // namespace tq58
