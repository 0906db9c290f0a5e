#include "report/ReportLines.h"

namespace tq58 {

ReportLine LabelledReportLine(const std::string& label, int labelWidth,
                              const std::vector<std::string>& values, int valueWidth) {
    ReportLine line{{ColumnCell(label, labelWidth)}, false};
    for (const std::string& value : values) {
        line.Cells.push_back(ColumnCell(value, valueWidth));
    }
    return line;
}

} // namespace tq58
