#pragma once

#include "model/Phrase.h"

#include <string>
#include <string_view>
#include <vector>

namespace tq58 {

// A refused cell's reason: the pattern's %1 is the column's heading, shown in the user's
// language ("CsvHeadings" context) while the English text keeps the CSV heading; the values
// fill %2 on, as typed.
Phrase ColumnPhrase(const char* context, const char* pattern, std::string_view heading,
                    const std::vector<std::string>& values);

} // namespace tq58
