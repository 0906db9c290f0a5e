#pragma once

#include "model/ModelState.h"
#include "model/RadioData.h"

#include <optional>
#include <string>
#include <vector>

namespace tq58 {

// The settings report as sections of lines and columns, shared by the text form, which pads
// every column with spaces, and the printed form, which places it at a position on the page.

struct ReportCell {
    std::string Text;
    int Width = 0; // text form: padded or cut to this many characters; 0 = as it is
    std::optional<std::string> PrintedText; // where the printed page words it differently
    bool ScramblerOnly = false;             // printed only for models with the voice scrambler
};

struct ReportLine {
    std::vector<ReportCell> Cells; // none: an empty line
    bool ColumnHeading = false;    // a table's column or rule line
};

struct ReportSection {
    std::string Heading;
    std::string PrintedHeading;
    bool StartsPrintedPage = false;
    std::vector<double> ColumnMillimetres; // printed position of each cell, from the margin
    std::vector<ReportLine> Lines;
};

// Formatting an EXP frequency snaps it to the raster in the record, hence the mutable data.
std::vector<ReportSection> BuildReportSections(RadioData& data, const ModelState& model);

// Sections 1 to 7: the setting groups, the ATIS ones only for models with ATIS.
void AppendSettingSections(std::vector<ReportSection>& sections, const RadioData& data,
                           const ModelState& model);
// The channel tables and the directories.
void AppendTableSections(std::vector<ReportSection>& sections, RadioData& data);

} // namespace tq58
