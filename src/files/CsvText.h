#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tq58 {

// Comma-separated text as spreadsheets write it: cells that hold a comma, a quote or a line
// break are quoted, quotes inside doubled; lines end in CR LF or LF.

struct CsvRow {
    int Line = 0; // the row's first line in the file, from 1
    std::vector<std::string> Cells;
};

struct CsvTable {
    std::vector<CsvRow> Rows; // blank lines left out
    std::string Error;        // empty when the whole text reads
};

// A byte-order mark at the start is skipped.
CsvTable ParseCsv(std::string_view text);

// One row, ended by CR LF.
std::string CsvLine(const std::vector<std::string>& cells);

} // namespace tq58
