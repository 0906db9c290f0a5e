#pragma once

#include "report/ReportSections.h"

#include <string>
#include <vector>

namespace tq58 {

// Shorthands for composing report sections.

inline ReportCell ColumnCell(std::string text, int width) {
    return ReportCell{std::move(text), width, std::nullopt, false};
}

inline ReportLine EmptyReportLine() {
    return ReportLine{};
}

// A line of one text as it is: a sub-heading, a table's rule.
inline ReportLine ReportTextLine(std::string text) {
    return ReportLine{{ColumnCell(std::move(text), 0)}, false};
}

// A label followed by values, all padded to their widths.
ReportLine LabelledReportLine(const std::string& label, int labelWidth,
                              const std::vector<std::string>& values, int valueWidth);

} // namespace tq58
