#pragma once

#include "model/Phrase.h"

#include <string>
#include <string_view>
#include <vector>

namespace tq58 {

// A column's heading as the window shows it, in the user's language ("CsvHeadings" context),
// while the English text is the CSV heading.
Phrase CsvHeadingName(std::string_view heading);

// A refused cell's reason: the pattern's %1 is the column's heading, shown in the user's
// language ("CsvHeadings" context) while the English text keeps the CSV heading; the values
// fill %2 on, as typed.
Phrase ColumnPhrase(const char* context, const char* pattern, std::string_view heading,
                    const std::vector<std::string>& values);

} // namespace tq58
