#include "model/FieldCodec.h"
#include "model/ImageHeader.h"
#include "report/ReportLines.h"
#include "report/ReportSections.h"
#include "report/ReportWords.h"

#include <array>
#include <functional>

namespace tq58 {

namespace {

constexpr int LabelWidth = 35;
constexpr int ValueWidth = 18;
constexpr int WideValueWidth = 35;
constexpr int DscGroupWidth = 20;
constexpr int MmsiWidth = 12;

// Labels at 0 mm, then one value every 30 mm from 50 mm on.
const std::vector<double> SettingColumns{0, 50, 80, 110, 140, 170};

ReportSection SettingSection(const std::string& heading) {
    return ReportSection{heading, heading, false, SettingColumns, {}};
}

template <std::size_t N>
std::vector<std::string> OnOffTexts(const std::array<bool, N>& values, std::size_t count) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < count && i < N; ++i) {
        texts.push_back(OnOffText(values[i]));
    }
    return texts;
}

std::vector<std::string>
GroupTexts(const std::array<UsableGroupRecord, 4>& groups, std::size_t count,
           const std::function<std::string(const UsableGroupRecord&)>& word) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < count; ++i) {
        texts.push_back(word(groups[i]));
    }
    return texts;
}

ReportLine GroupColumnLine() {
    return LabelledReportLine("", LabelWidth, {"USA", "INTL", "Canada", "EXP CH"}, ValueWidth);
}

std::vector<std::string> ExpChGroupTexts(const UsableGroupRecord& exp) {
    if (!exp.Enable) {
        return {"---", "---", "---"};
    }
    return OnOffTexts(exp.ExpChGroup, 3);
}

ReportSection UsableGroupSection(const SettingsRecord& settings) {
    const auto& groups = settings.UsableChGroup;
    ReportSection section = SettingSection("##### Usable CH Group Setup #####");
    ReportLine statusLine = LabelledReportLine(
        "Status Name", LabelWidth,
        GroupTexts(groups, 4, [](auto& g) { return StatusText(g.StatusName); }), ValueWidth);
    statusLine.Cells.front().PrintedText = "Status name";
    section.Lines = {
        GroupColumnLine(),
        LabelledReportLine("Enable", LabelWidth,
                           GroupTexts(groups, 4, [](auto& g) { return OnOffText(g.Enable); }),
                           ValueWidth),
        LabelledReportLine("TX TOT", LabelWidth,
                           GroupTexts(groups, 4, [](auto& g) { return OnOffText(g.TxTot); }),
                           ValueWidth),
        LabelledReportLine(
            "Priority CH", LabelWidth,
            GroupTexts(groups, 3, [](auto& g) { return PriorityText(g.PriorityCh); }), ValueWidth),
        statusLine,
        LabelledReportLine("EXP CH", LabelWidth, ExpChGroupTexts(groups[GroupExp]), ValueWidth),
    };
    return section;
}

ReportSection CommonSection(const CommonSetupRecord& common) {
    ReportSection section = SettingSection("##### Common Setup #####");
    section.Lines = {
        ReportTextLine("[Starting TX Mode]"),
        LabelledReportLine("TX Po Display:", LabelWidth, {TxPoText(common.TxPoDisplay)},
                           WideValueWidth),
        EmptyReportLine(),
        ReportTextLine("[Scanning Function]"),
        LabelledReportLine("SCAN:", LabelWidth, {OnOffText(common.Scan)}, ValueWidth),
        LabelledReportLine("Resume Time:", LabelWidth, {ResumeText(common.ResumeTime)}, ValueWidth),
        LabelledReportLine("PTT SCAN Clear:", LabelWidth, {OnOffText(common.PttScanClear)},
                           ValueWidth),
        LabelledReportLine("Dual Watch:", LabelWidth, {OnOffText(common.DualWatch)}, ValueWidth),
        EmptyReportLine(),
        ReportTextLine("[NMEA Data Input]"),
        LabelledReportLine("Offset Time:", LabelWidth, {OffsetText(common.OffsetTime)}, ValueWidth),
        LabelledReportLine("Magnetic Variation:", LabelWidth, {MagText(common.MagneticVariation)},
                           ValueWidth),
        ReportTextLine("[Weather CH Function]"),
        LabelledReportLine("Weather Alert:", LabelWidth, {WeatherText(common.WeatherAlert)},
                           WideValueWidth),
        LabelledReportLine("Rotary Beep:", LabelWidth, {OnOffText(common.Rotary)}, ValueWidth),
    };
    return section;
}

ReportLine UserMmsiLine(const std::string& userMmsi, int mmsiEnteredCount) {
    ReportLine line =
        LabelledReportLine("User MMSI:", LabelWidth, {ShownMmsi(userMmsi)}, MmsiWidth);
    line.Cells.push_back(ColumnCell("----- Count : " + std::to_string(mmsiEnteredCount), 0));
    return line;
}

ReportLine PosLine(const std::string& label, const DscBasicSetupRecord& basic, std::size_t entry) {
    return LabelledReportLine(
        label, LabelWidth,
        {OnOffText(basic.PosRequest[entry]), HiLowText(basic.PosRequestTX[entry])}, ValueWidth);
}

constexpr std::array<const char*, 7> BeepLabels{
    "Send Distress Alert:", "Received All Ships:",   "Received Individual:",   "Received Group:",
    "Received Geografic:",  "Received POS Request:", "Received POS Reporting:"};

ReportSection DscBasicSection(const DscBasicSetupRecord& basic, int mmsiEnteredCount) {
    ReportSection section = SettingSection("##### DSC Setup (Basic Setup) #####");
    section.Lines = {
        ReportTextLine("[Usable DSC CH Group]"),
        LabelledReportLine("USA:", LabelWidth, {OnOffText(basic.DscChGroup[0])}, DscGroupWidth),
        LabelledReportLine("INTL:", LabelWidth, {OnOffText(basic.DscChGroup[1])}, DscGroupWidth),
        LabelledReportLine("Canada:", LabelWidth, {OnOffText(basic.DscChGroup[2])}, DscGroupWidth),
        EmptyReportLine(),
        UserMmsiLine(basic.UserMmsi, mmsiEnteredCount),
        LabelledReportLine("Distress Cancel Call:", LabelWidth, {OnOffText(basic.PosRequest[0])},
                           ValueWidth),
        LabelledReportLine("Stanby Mode:", LabelWidth, {OnOffText(basic.PosRequest[1])},
                           ValueWidth),
        PosLine("POS Request:", basic, 2),
        PosLine("POS Reporting:", basic, 3),
        EmptyReportLine(),
        ReportTextLine("[DSC Beep Output]"),
    };
    for (std::size_t i = 0; i < BeepLabels.size(); ++i) {
        section.Lines.push_back(LabelledReportLine(BeepLabels[i], LabelWidth,
                                                   {OnOffText(basic.BeepOut[i])}, ValueWidth));
    }
    return section;
}

constexpr std::array<const char*, 4> CallCategoryLabels{
    "Distress:", "Urgency:", "Safty:", "Routine:"};

void AppendCallBlock(ReportSection& section, const std::string& title,
                     const std::array<bool, 4>& accepted, const std::array<bool, 4>& tx) {
    section.Lines.push_back(ReportTextLine(title));
    for (std::size_t i = 0; i < CallCategoryLabels.size(); ++i) {
        section.Lines.push_back(LabelledReportLine(CallCategoryLabels[i], LabelWidth,
                                                   {OnOffText(accepted[i]), HiLowText(tx[i])},
                                                   ValueWidth));
    }
}

ReportSection DscAdvancedSection(const DscAdvancedSetupRecord& advanced) {
    ReportSection section = SettingSection("##### DSC Setup (Advanced Setup) #####");
    AppendCallBlock(section, "[All Ships Call]", advanced.AllShipsCall, advanced.AllShipsCallTX);
    section.Lines.push_back(EmptyReportLine());
    AppendCallBlock(section, "[Group Call]", advanced.GroupCall, advanced.GroupCallTX);
    section.Lines.push_back(EmptyReportLine());
    AppendCallBlock(section, "[Individual Call]", advanced.IndividualCall,
                    advanced.IndividualCallTX);
    return section;
}

constexpr std::array<const char*, 3> DisplayLabels{
    "Individual ACK Menu:", "Individual ACK Message Menu:", "POS Request ACK Menu:"};

ReportSection DscDisplaySection(const DscDisplaySetupRecord& display) {
    ReportSection section = SettingSection("##### DSC Setup (Display Setup) #####");
    for (std::size_t i = 0; i < DisplayLabels.size(); ++i) {
        section.Lines.push_back(
            LabelledReportLine(DisplayLabels[i], LabelWidth, {OnOffText(display[i])}, ValueWidth));
    }
    return section;
}

ReportSection AtisCommonSection(const AtisCommonRecord& atis) {
    ReportSection section = SettingSection("##### ATIS Setup (Common) #####");
    section.Lines = {
        GroupColumnLine(),
        LabelledReportLine("Usable ATIS CH Group:", LabelWidth, OnOffTexts(atis.AtisChGroup, 4),
                           ValueWidth),
        LabelledReportLine("ATIS Code:", LabelWidth, {atis.AtisCode}, ValueWidth),
        LabelledReportLine("Usable ATIS Killer CH Group:", LabelWidth,
                           OnOffTexts(atis.AtisKillerChGroup, 4), ValueWidth),
    };
    return section;
}

// Entries 1 to 10 on the left, 11 to 20 on the right; the radio's entries 21 to 32 are not
// listed.
constexpr std::size_t CallSignRows = 10;

ReportLine CallSignRow(const std::array<AtisCallSignEntry, AtisCallSignCount>& callSigns,
                       std::size_t row) {
    const AtisCallSignEntry& left = callSigns[row];
    const AtisCallSignEntry& right = callSigns[row + CallSignRows];
    return ReportLine{{ColumnCell("No." + std::to_string(row + 1), 10), ColumnCell(left.MID, 10),
                       ColumnCell(left.DISP, 20),
                       ColumnCell("No." + std::to_string(row + CallSignRows + 1), 10),
                       ColumnCell(right.MID, 10), ColumnCell(right.DISP, 10)},
                      false};
}

ReportSection
AtisCallSignSection(const std::array<AtisCallSignEntry, AtisCallSignCount>& callSigns) {
    ReportSection section = SettingSection("##### ATIS Setup (Call Sign) #####");
    section.Lines.push_back(
        ReportLine{{ColumnCell("", 10), ColumnCell("MID", 10), ColumnCell("Display", 18),
                    ColumnCell("", 10), ColumnCell("MID", 10), ColumnCell("Display", 10)},
                   false});
    for (std::size_t row = 0; row < CallSignRows; ++row) {
        section.Lines.push_back(CallSignRow(callSigns, row));
    }
    return section;
}

} // namespace

void AppendSettingSections(std::vector<ReportSection>& sections, const RadioData& data,
                           const ModelState& model) {
    const SettingsRecord& settings = data.Settings;
    sections.push_back(UsableGroupSection(settings));
    sections.push_back(CommonSection(settings.CommonSetup));
    sections.push_back(
        DscBasicSection(settings.DscBasicSetup, data.MemoryImage[MmsiEnteredCountAddress]));
    sections.push_back(DscAdvancedSection(settings.DscAdvancedSetup));
    sections.push_back(DscDisplaySection(settings.DscDisplaySetup));
    if (model.AtisAvailable) {
        sections.push_back(AtisCommonSection(settings.AtisCommon));
        sections.push_back(AtisCallSignSection(settings.AtisCallSign));
    }
}

} // namespace tq58
