#include "report/ReportLines.h"

namespace tq58 {

ReportLine LabelledLine(const std::string& label, int labelWidth,
                        const std::vector<std::string>& values, int valueWidth) {
    ReportLine line{{Cell(label, labelWidth)}, false};
    for (const std::string& value : values) {
        line.Cells.push_back(Cell(value, valueWidth));
    }
    return line;
}

} // namespace tq58
