#pragma once

#include "model/ModelState.h"
#include "model/RadioData.h"
#include "report/ReportWords.h"

#include <string>

namespace tq58 {

// The report's line separator. Every line is added as a separator followed by its text, so
// the report begins with a line break and does not end with one.
inline constexpr const char* ReportLineBreak = "\r\n";

// The settings report in fixed-width columns, for a monospaced font. Off-raster EXP
// frequencies are snapped in the record as they are shown.
std::string BuildReport(RadioData& data, const ModelState& model);

} // namespace tq58
