#pragma once

#include "editor/CsvCells.h"
#include "model/SettingsRecord.h"

#include <string>
#include <vector>

namespace tq58 {

// A DSC directory as CSV: a heading row, then one row per entry in use, numbered from 1,
// with the name and the MMSI as the entry page takes it (9 digits, 8 for a group).
std::vector<std::vector<std::string>> DirectoryCsvRows(const SettingsRecord& settings,
                                                       int directory);

// Replaces the directory with the rows (the heading row first). Each row is taken as the
// entry page takes an entry; refused rows are returned and leave the settings half changed,
// so the caller works on a copy.
CsvRefusals ImportDirectoryRows(SettingsRecord& settings, int directory,
                                const std::vector<CsvRow>& rows);

} // namespace tq58
