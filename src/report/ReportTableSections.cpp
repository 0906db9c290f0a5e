#include "model/ChannelFields.h"
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

// A column of a channel table: the row's key ("CH") or a field of the channel description,
// and how far it starts on paper from the column before it. A table may rule a field's column
// differently from the description.
struct ChannelTableColumn {
    std::optional<ChannelField> Field; // none: the row's key
    double Millimetres;
    const char* Rule = nullptr;
    int Width = 0;
    const char* PrintedRule = nullptr;
    bool DashesWhenEmpty = false; // a name column: dashes for a channel without a name
};

using F = ChannelField;

// The plans' tables show their frequencies with three decimals.
const std::vector<ChannelTableColumn> PlanTable{
    {{}, 0, "---", 5},
    {F::RxFreq, 12, "-------", 9},
    {F::TxFreq, 17, "-------", 9},
    {F::TxEnable, 17},
    {F::LowPowerOnly, 8},
    {F::PowerUp, 9},
    {F::Duplex, 8},
    {F::ScanMemory, 9},
    {F::Scrambler, 9},
    {F::Name, 8},
};

const std::vector<ChannelTableColumn> WxTable{
    {{}, 0, "--", 4},
    {F::Enable, 9, nullptr, 0, "-----"},
    {F::ScanMemory, 19},
    {F::Name, 12},
};

const std::vector<ChannelTableColumn> ExpTable{
    {{}, 0, "--", 4},   {F::Display, 7},
    {F::Enable, 10},    {F::RxFreq, 17},
    {F::TxFreq, 19},    {F::LowPowerOnly, 19},
    {F::PowerUp, 10},   {F::ScanMemory, 7},
    {F::Scrambler, 10}, {F::Name, 7, nullptr, 0, nullptr, true},
};

std::vector<TableColumn> TableColumns(const std::vector<ChannelTableColumn>& table) {
    std::vector<TableColumn> columns;
    for (const ChannelTableColumn& column : table) {
        if (!column.Field) {
            columns.push_back({"CH", column.Rule, column.Width});
            continue;
        }
        const ChannelFieldInfo& field = ChannelFieldOf(*column.Field);
        columns.push_back({field.Column, column.Rule ? column.Rule : field.Rule,
                           column.Width ? column.Width : field.Width, column.PrintedRule,
                           field.NeedsScrambler});
    }
    return columns;
}

std::vector<double> TableMillimetres(const std::vector<ChannelTableColumn>& table) {
    std::vector<double> steps;
    for (const ChannelTableColumn& column : table) {
        steps.push_back(column.Millimetres);
    }
    return RunningTotals(steps);
}

// A plan channel's frequencies are the plan's; an EXP channel's its own.
std::string FrequencyCell(const ChannelFieldInfo& field, const ChannelRecord& channel, bool exp) {
    if (exp) {
        return ExpFreqText(channel.*field.Frequency);
    }
    return field.Field == ChannelField::RxFreq ? PlanRxFreqText(channel) : PlanTxFreqText(channel);
}

std::string CellText(const ChannelTableColumn& column, const ChannelRecord& channel,
                     const std::string& key, bool exp) {
    if (!column.Field) {
        return key;
    }
    const ChannelFieldInfo& field = ChannelFieldOf(*column.Field);
    switch (field.Value) {
    case ChannelValue::Flag:
        return FlagText(channel.*field.Flag, field.Column, field.Rule);
    case ChannelValue::Frequency:
        return FrequencyCell(field, channel, exp);
    case ChannelValue::Display:
        return ExpDisplayText(channel);
    case ChannelValue::Scrambler:
        return ScrambleText(channel.Scramble);
    case ChannelValue::Name:
        break;
    }
    return column.DashesWhenEmpty ? NameOrDashes(channel.ChTag, field.Width) : channel.ChTag;
}

std::vector<TableColumn> DirectoryColumns(const char* nameHeading) {
    return {{"No.", "---", 5, "--"},
            {nameHeading, "------------", 14},
            {"MMSI", "---------", MmsiWidth}};
}

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

ReportLine ChannelRow(const std::vector<ChannelTableColumn>& table, const ChannelRecord& channel,
                      const std::string& key, bool exp) {
    std::vector<std::string> texts;
    for (const ChannelTableColumn& column : table) {
        texts.push_back(CellText(column, channel, key, exp));
    }
    return RowLine(TableColumns(table), std::move(texts));
}

ReportSection ChannelTableSection(const std::string& heading, const std::string& printedHeading,
                                  const std::vector<ChannelTableColumn>& table) {
    return TableSection(heading, printedHeading, TableMillimetres(table), TableColumns(table));
}

ReportSection ChannelSection(const std::string& heading, const std::vector<ChannelRecord>& list) {
    ReportSection section = ChannelTableSection(heading, heading, PlanTable);
    for (const ChannelRecord& channel : list) {
        if (channel.Enable) {
            section.Lines.push_back(
                ChannelRow(PlanTable, channel, ChannelEntryAt(channel.Position).ChLabel, false));
        }
    }
    return section;
}

ReportSection WxSection(const std::vector<ChannelRecord>& list) {
    ReportSection section = ChannelTableSection("##### Programable Wx Channel #####",
                                                "##### Programable WX Channel #####", WxTable);
    for (std::size_t i = 0; i < list.size(); ++i) {
        section.Lines.push_back(ChannelRow(WxTable, list[i], std::to_string(i + 1), false));
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

ReportSection ExpSection(std::vector<ChannelRecord>& list) {
    ReportSection section = ChannelTableSection("##### Programable Exp Channel #####",
                                                "##### Programable EXP Channel #####", ExpTable);
    for (std::size_t k = 1; k <= list.size() && k <= ExpChannelCount; ++k) {
        section.Lines.push_back(ChannelRow(ExpTable, list[k - 1], std::to_string(k), true));
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
