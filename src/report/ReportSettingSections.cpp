#include "report/DescribedSettings.h"
#include "report/ReportLines.h"
#include "report/ReportSections.h"

#include <utility>

namespace tq58 {

namespace {

constexpr int LabelWidth = 35;
constexpr int GroupColumnWidth = 18;
constexpr int CallSignLabelWidth = 10;

// Labels at 0 mm, then one value every 30 mm from 50 mm on.
const std::vector<double> SettingColumns{0, 50, 80, 110, 140, 170};

ReportCell ValueCell(const DescribedSection& section, const DescribedLine& line,
                     const PrintedValue& value) {
    return ColumnCell(value.Words.value_or(section.Settings.at(value.Setting).Words),
                      value.Width.value_or(line.ValueWidth));
}

ReportLine ValuesLine(const DescribedSection& section, const DescribedLine& line) {
    ReportLine printed{{ColumnCell(line.Label, LabelWidth)}, false};
    printed.Cells.front().PrintedText = line.PrintedLabel;
    for (const PrintedValue& value : line.Values) {
        printed.Cells.push_back(ValueCell(section, line, value));
    }
    return printed;
}

ReportLine CallSignPair(const DescribedSection& section, const DescribedLine& line) {
    const auto& values = line.Values;
    return ReportLine{
        {ColumnCell(line.Label, CallSignLabelWidth), ValueCell(section, line, values.at(0)),
         ValueCell(section, line, values.at(1)), ColumnCell(line.SecondLabel, CallSignLabelWidth),
         ValueCell(section, line, values.at(2)), ValueCell(section, line, values.at(3))},
        false};
}

ReportLine PrintedLine(const DescribedSection& section, const DescribedLine& line) {
    switch (line.Kind) {
    case LineKind::Values:
        return ValuesLine(section, line);
    case LineKind::Title:
        return ReportTextLine(line.Label);
    case LineKind::Empty:
        return EmptyReportLine();
    case LineKind::GroupColumns:
        return LabelledReportLine("", LabelWidth, {GroupWords.begin(), GroupWords.end()},
                                  GroupColumnWidth);
    case LineKind::CallSignHeads:
        return ReportLine{{ColumnCell("", 10), ColumnCell("MID", 10), ColumnCell("Display", 18),
                           ColumnCell("", 10), ColumnCell("MID", 10), ColumnCell("Display", 10)},
                          false};
    case LineKind::CallSignPair:
        return CallSignPair(section, line);
    }
    return EmptyReportLine();
}

} // namespace

void AppendSettingSections(std::vector<ReportSection>& sections, const RadioData& data,
                           const ModelState& model) {
    for (const DescribedSection& described : DescribeSettingSections(data, model.AtisAvailable)) {
        const std::string heading = "##### " + described.Name + " #####";
        ReportSection section{heading, heading, false, SettingColumns, {}};
        for (const DescribedLine& line : described.Lines) {
            section.Lines.push_back(PrintedLine(described, line));
        }
        sections.push_back(std::move(section));
    }
}

} // namespace tq58
