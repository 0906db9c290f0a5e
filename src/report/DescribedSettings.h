#pragma once

#include "report/ListedSettings.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tq58 {

// The setting sections described once, for the printed report and the comparison listing
// alike: every setting the report prints is one of the section's listed settings, so a
// setting cannot be printed and left out of the comparison. The listing also holds what the
// report has no room for (the radio's eighth beep, call signs 21 to 32, the TX level of
// calls the report prints without it).

// The channel groups as the settings name them: column headings, entries, fields.
inline constexpr std::array<const char*, 4> GroupWords{"USA", "INTL", "Canada", "EXP CH"};

// A value of a report line: the listed setting it shows, in the listing's words unless the
// report words it otherwise.
struct PrintedValue {
    std::size_t Setting = 0; // index into the section's settings
    std::optional<std::string> Words;
    std::optional<int> Width; // else the line's value width
};

enum class LineKind {
    Values,        // "Label:" and its values
    Title,         // "[Scanning Function]": the listing entry of the values below it
    Empty,         // an empty line
    GroupColumns,  // the channel groups as column headings
    CallSignPair,  // entries N and N + 10 of the call signs side by side
    CallSignHeads, // the call signs' column headings
};

struct DescribedLine {
    LineKind Kind = LineKind::Values;
    std::string Label{};
    std::optional<std::string> PrintedLabel{}; // where the printed page words it otherwise
    int ValueWidth = 0;
    std::vector<PrintedValue> Values{};
    std::string SecondLabel{}; // the call sign pair's right-hand entry
};

struct DescribedSection {
    std::string Name; // the listing's section and the report's heading
    std::vector<ListedSetting> Settings;
    std::vector<DescribedLine> Lines;
};

// Sections 1 to 7 of the report: the setting groups, the ATIS ones only with ATIS.
std::vector<DescribedSection> DescribeSettingSections(const RadioData& data, bool atis);

} // namespace tq58
