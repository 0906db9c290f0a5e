#include "report/ReportText.h"

#include "report/ReportSections.h"

namespace tq58 {

namespace {

void AppendLine(std::string& text, const ReportLine& line) {
    text += ReportLineBreak;
    for (const ReportCell& cell : line.Cells) {
        text += cell.Width > 0 ? PadRight(cell.Text, cell.Width) : cell.Text;
    }
}

void AppendSection(std::string& text, const ReportSection& section) {
    text += ReportLineBreak;
    text += ReportLineBreak;
    text += section.Heading;
    for (const ReportLine& line : section.Lines) {
        AppendLine(text, line);
    }
}

} // namespace

std::string BuildReport(RadioData& data, const ModelState& model) {
    std::string text;
    for (const ReportSection& section : BuildReportSections(data, model)) {
        AppendSection(text, section);
    }
    return text;
}

} // namespace tq58
