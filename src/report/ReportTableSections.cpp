#include "model/ChannelText.h"
#include "model/FieldCodec.h"
#include "report/ReportLines.h"
#include "report/ReportSections.h"
#include "report/ReportWords.h"

#include <numeric>

namespace tq58 {

namespace {

constexpr int NameWidth = 12;
constexpr int MmsiWidth = 9;

// A column of a table: its heading and rule texts and its width in the text form. The heading
// and rule lines end with the last column's text, without padding.
struct TableColumn {
    const char* Heading;
    const char* Rule;
    int Width;
    const char* PrintedRule = nullptr; // where the printed rule is shorter
    bool ScramblerOnly = false;
};

// Column positions on paper: each column starts at the running total of the list up to and
// including its own entry.
std::vector<double> RunningTotals(const std::vector<double>& steps) {
    std::vector<double> positions(steps.size());
    std::partial_sum(steps.begin(), steps.end(), positions.begin());
    return positions;
}

// The EXP table's list of steps also holds widths of columns that are not printed; only the
// steps of the printed columns add up to their positions.
std::vector<double> ExpColumnMillimetres() {
    const std::vector<double> steps{0, 7, 10, 17, 19, 19, 8, 10, 7, 10, 10, 7, 22, 7, 15, 7, 15};
    const std::vector<std::size_t> usedSteps{1, 2, 3, 4, 5, 7, 8, 10, 11};
    std::vector<double> positions{steps[0]};
    for (std::size_t step : usedSteps) {
        positions.push_back(positions.back() + steps[step]);
    }
    return positions;
}

const std::vector<TableColumn> ChannelColumns{{"CH", "---", 5},
                                              {"RX(MHz)", "-------", 9},
                                              {"TX(MHz)", "-------", 9},
                                              {"TX", "--", 4},
                                              {"LOW", "---", 5},
                                              {"UP", "--", 4},
                                              {"DUP", "---", 5},
                                              {"MEM", "---", 5},
                                              {"VS", "--", 4, nullptr, true},
                                              {"CH Name", "------------", NameWidth}};

const std::vector<double> ChannelColumnSteps{0, 12, 17, 17, 8, 9, 8, 9, 9, 8};

const std::vector<TableColumn> WxColumns{{"CH", "--", 4},
                                         {"ENABLE", "------", 8, "-----"},
                                         {"MEM", "---", 5},
                                         {"CH Name", "------------", NameWidth}};

std::vector<TableColumn> DirectoryColumns(const char* nameHeading) {
    return {{"No.", "---", 5, "--"},
            {nameHeading, "------------", 14},
            {"MMSI", "---------", MmsiWidth}};
}

const std::vector<TableColumn> ExpColumns{{"CH", "--", 4},
                                          {"CHD", "---", 5},
                                          {"ENABLE", "------", 8},
                                          {"RX(MHz)", "--------", 10},
                                          {"TX(MHz)", "--------", 10},
                                          {"LOW", "---", 5},
                                          {"UP", "--", 4},
                                          {"MEM", "---", 5},
                                          {"VS", "--", 4, nullptr, true},
                                          {"CH Name", "------------", NameWidth}};

ReportLine HeadingLine(const std::vector<TableColumn>& columns, bool rule) {
    ReportLine line{{}, true};
    for (const TableColumn& column : columns) {
        const bool last = &column == &columns.back();
        ReportCell cell = ColumnCell(rule ? column.Rule : column.Heading, last ? 0 : column.Width);
        if (rule && column.PrintedRule != nullptr) {
            cell.PrintedText = column.PrintedRule;
        }
        cell.ScramblerOnly = column.ScramblerOnly;
        line.Cells.push_back(cell);
    }
    return line;
}

// A table section with its column and rule lines; rows are added by the caller.
ReportSection TableSection(const std::string& heading, const std::string& printedHeading,
                           const std::vector<double>& millimetres,
                           const std::vector<TableColumn>& columns) {
    return ReportSection{heading,
                         printedHeading,
                         true,
                         millimetres,
                         {HeadingLine(columns, false), HeadingLine(columns, true)}};
}

// A row of cells that line up with the table's columns.
ReportLine RowLine(const std::vector<TableColumn>& columns, std::vector<std::string> texts) {
    ReportLine line;
    for (std::size_t i = 0; i < texts.size() && i < columns.size(); ++i) {
        ReportCell cell = ColumnCell(std::move(texts[i]), columns[i].Width);
        cell.ScramblerOnly = columns[i].ScramblerOnly;
        line.Cells.push_back(std::move(cell));
    }
    return line;
}

ReportLine ChannelRow(const ChannelRecord& channel) {
    return RowLine(ChannelColumns,
                   {ChannelEntryAt(channel.Position).ChLabel, PlanRxFreqText(channel),
                    PlanTxFreqText(channel), FlagText(channel.TxEnable, "TX", "--"),
                    FlagText(channel.LowPower, "LOW", "---"), FlagText(channel.PowUp, "UP", "--"),
                    FlagText(channel.Duplex, "DUP", "---"),
                    FlagText(channel.ScanMemory, "MEM", "---"), ScrambleText(channel.Scramble),
                    channel.ChTag});
}

ReportSection ChannelSection(const std::string& heading, const std::vector<ChannelRecord>& list) {
    ReportSection section = TableSection(
        heading, heading, RunningTotals({0, 12, 17, 17, 8, 9, 8, 9, 9, 8}), ChannelColumns);
    for (const ChannelRecord& channel : list) {
        if (channel.Enable) {
            section.Lines.push_back(ChannelRow(channel));
        }
    }
    return section;
}

ReportSection WxSection(const std::vector<ChannelRecord>& list) {
    ReportSection section =
        TableSection("##### Programable Wx Channel #####", "##### Programable WX Channel #####",
                     {0, 9, 28, 40}, WxColumns);
    for (std::size_t i = 0; i < list.size(); ++i) {
        const ChannelRecord& channel = list[i];
        section.Lines.push_back(
            RowLine(WxColumns, {std::to_string(i + 1), FlagText(channel.Enable, "ENABLE", "------"),
                                FlagText(channel.ScanMemory, "MEM", "---"), channel.ChTag}));
    }
    return section;
}

template <std::size_t N>
ReportSection DirectorySection(const std::string& heading, const std::string& printedHeading,
                               const char* nameHeading,
                               const std::array<DirectoryRecord, N>& list) {
    const std::vector<TableColumn> columns = DirectoryColumns(nameHeading);
    ReportSection section = TableSection(heading, printedHeading, {0, 19, 50}, columns);
    for (std::size_t k = 1; k <= N; ++k) {
        const DirectoryRecord& entry = list[k - 1];
        section.Lines.push_back(
            RowLine(columns, {std::to_string(k), NameOrDashes(entry.TagName, NameWidth),
                              NameOrDashes(ShownMmsi(entry.Mmsid), MmsiWidth)}));
    }
    return section;
}

ReportLine ExpRow(std::size_t k, const ChannelRecord& channel) {
    std::string rx = ExpFreqText(channel.Rxfreq);
    std::string tx = ExpFreqText(channel.Txfreq);
    return RowLine(ExpColumns,
                   {std::to_string(k), ExpDisplayText(channel),
                    FlagText(channel.Enable, "ENABLE", "------"), std::move(rx), std::move(tx),
                    FlagText(channel.LowPower, "LOW", "---"), FlagText(channel.PowUp, "UP", "--"),
                    FlagText(channel.ScanMemory, "MEM", "---"), ScrambleText(channel.Scramble),
                    NameOrDashes(channel.ChTag, NameWidth)});
}

ReportSection ExpSection(std::vector<ChannelRecord>& list) {
    ReportSection section =
        TableSection("##### Programable Exp Channel #####", "##### Programable EXP Channel #####",
                     ExpColumnMillimetres(), ExpColumns);
    for (std::size_t k = 1; k <= list.size() && k <= ExpChannelCount; ++k) {
        section.Lines.push_back(ExpRow(k, list[k - 1]));
    }
    return section;
}

} // namespace

void AppendTableSections(std::vector<ReportSection>& sections, RadioData& data) {
    SettingsRecord& settings = data.Settings;
    sections.push_back(ChannelSection("##### Programable USA Channel #####", settings.CHUSA));
    sections.push_back(
        ChannelSection("##### Programable International Channel #####", settings.CHINT));
    sections.push_back(ChannelSection("##### Programable Canada Channel #####", settings.CHCAN));
    sections.push_back(WxSection(settings.CHWX));
    sections.push_back(DirectorySection("##### Memory ID Setting #####", "##### Memory ID #####",
                                        "Station Name", settings.CHMMSID));
    sections.push_back(DirectorySection("##### Group ID Setting #####", "##### Group ID #####",
                                        "Group Name", settings.CHGRPID));
    sections.push_back(ExpSection(settings.CHEXP));
}

std::vector<ReportSection> BuildReportSections(RadioData& data, const ModelState& model) {
    std::vector<ReportSection> sections;
    AppendSettingSections(sections, data, model);
    AppendTableSections(sections, data);
    return sections;
}

} // namespace tq58
