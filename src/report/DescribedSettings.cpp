#include "report/DescribedSettings.h"

#include "model/FieldCodec.h"
#include "model/ImageHeader.h"
#include "model/SetupFields.h"
#include "report/ReportWords.h"

#include <array>
#include <utility>

namespace tq58 {

namespace {

constexpr int ValueWidth = 18;
constexpr int WideValueWidth = 35;
constexpr int DscGroupWidth = 20;
constexpr int MmsiWidth = 12;

// Builds one section: lists each setting, and puts the ones the report prints on its lines.
// The listing keeps its own order (a group's settings together); the lines refer to them.
class SectionBuilder {
public:
    explicit SectionBuilder(const std::string& name) : listing_(section_.Settings) {
        section_.Name = name;
        listing_.Section(name);
    }
    SectionBuilder(const SectionBuilder&) = delete;
    SectionBuilder& operator=(const SectionBuilder&) = delete;

    SettingsListing& List() { return listing_; }
    bool HasLines() const { return !section_.Lines.empty(); }

    // The setting listed last, as the report prints it.
    PrintedValue Last(std::optional<std::string> words = std::nullopt,
                      std::optional<int> width = std::nullopt) const {
        return PrintedValue{section_.Settings.size() - 1, std::move(words), width};
    }

    void Title(const std::string& entry) {
        entry_ = entry;
        Add({.Kind = LineKind::Title, .Label = "[" + entry + "]"});
    }
    void Empty() {
        entry_.clear();
        Add({.Kind = LineKind::Empty});
    }
    void Add(DescribedLine line) { section_.Lines.push_back(std::move(line)); }
    void Values(const std::string& label, int width, std::vector<PrintedValue> values) {
        Add({.Label = label, .ValueWidth = width, .Values = std::move(values)});
    }

    // "SCAN:" and its word, listed under the current entry.
    void Switch(const std::string& field, bool value, int width = ValueWidth) {
        listing_.OnOff(entry_, field, value);
        Values(field + ":", width, {Last()});
    }
    // A switch with its TX level ("field TX"); the report prints the level where printTx says.
    void SwitchWithTx(const std::string& field, bool value, bool tx, bool printTx) {
        listing_.OnOff(entry_, field, value);
        std::vector<PrintedValue> printed{Last()};
        listing_.HiLow(entry_, field + " TX", tx);
        if (printTx) {
            printed.push_back(Last());
        }
        Values(field + ":", ValueWidth, std::move(printed));
    }
    void Listed(const std::string& field, ValueList list, std::string words, int value,
                int width = ValueWidth) {
        // The report leaves a value outside the list blank; the listing says "(not set)".
        listing_.Listed(entry_, field, list, words, value);
        Values(field + ":", width, {Last(std::move(words))});
    }
    // A flag per channel group: the label is the listing's entry, each group a field.
    template <std::size_t N>
    void GroupFlags(const std::string& label, const std::array<bool, N>& flags, std::size_t count) {
        std::vector<PrintedValue> printed;
        for (std::size_t i = 0; i < count; ++i) {
            listing_.OnOff(label, GroupWords[i], flags[i]);
            printed.push_back(Last());
        }
        Values(label + ":", ValueWidth, std::move(printed));
    }

    DescribedSection Done() { return std::move(section_); }

private:
    DescribedSection section_;
    SettingsListing listing_;
    std::string entry_;
};

DescribedSection UsableGroups(const SettingsRecord& settings) {
    SectionBuilder section("Usable CH Group Setup");
    section.Add({.Kind = LineKind::GroupColumns});
    std::vector<PrintedValue> enable, txTot, priority, status, expGroups;
    for (std::size_t g = 0; g < GroupWords.size(); ++g) {
        const UsableGroupRecord& group = settings.UsableChGroup[g];
        section.List().OnOff(GroupWords[g], "Enable", group.Enable);
        enable.push_back(section.Last());
        section.List().OnOff(GroupWords[g], "TX TOT", group.TxTot);
        txTot.push_back(section.Last());
        if (g != GroupExp) {
            section.List().Number(GroupWords[g], "Priority CH", PriorityText(group.PriorityCh),
                                  group.PriorityCh);
            priority.push_back(section.Last());
        }
        section.List().Add(GroupWords[g], "Status Name", StatusText(group.StatusName),
                           group.StatusName);
        status.push_back(section.Last());
    }
    // The EXP group's channel plans show as dashes while the group is off.
    const UsableGroupRecord& exp = settings.UsableChGroup[GroupExp];
    for (std::size_t i = 0; i < exp.ExpChGroup.size(); ++i) {
        section.List().OnOff("EXP CH", GroupWords[i], exp.ExpChGroup[i]);
        expGroups.push_back(exp.Enable ? section.Last() : section.Last("---"));
    }
    section.Values("Enable", ValueWidth, enable);
    section.Values("TX TOT", ValueWidth, txTot);
    section.Values("Priority CH", ValueWidth, priority);
    section.Add({.Label = "Status Name",
                 .PrintedLabel = "Status name",
                 .ValueWidth = ValueWidth,
                 .Values = status});
    section.Values("EXP CH", ValueWidth, expGroups);
    return section.Done();
}

// The report's words for a described setting's value.
std::string ListedWords(ValueList list, int value) {
    switch (list) {
    case ValueList::TxPoDisplay:
        return TxPoText(value);
    case ValueList::ResumeTime:
        return ResumeText(value);
    case ValueList::OffsetTime:
        return OffsetText(value);
    case ValueList::MagneticVariation:
        return MagText(value);
    case ValueList::WeatherAlert:
        return WeatherText(value);
    case ValueList::OffOn:
        return OnOffText(value != 0);
    case ValueList::Power:
        return HiLowText(value != 0);
    }
    return {};
}

// Lists with long words take the wide value column.
int ListedWidth(ValueList list) {
    return list == ValueList::TxPoDisplay || list == ValueList::WeatherAlert ? WideValueWidth
                                                                             : ValueWidth;
}

// A heading printed straight after the block before it, without an empty line between.
bool FollowsWithoutGap(const std::string& heading) {
    return heading == "Weather CH Function";
}

// The described settings of a group under their headings, in the description's order.
DescribedSection DescribedGroup(const char* name, SettingGroup group,
                                const SettingsRecord& settings) {
    SectionBuilder section(name);
    std::string heading;
    for (const SetupField& field : SetupFields()) {
        if (field.Shown.Group != group) {
            continue;
        }
        if (field.Shown.Heading != heading) {
            heading = field.Shown.Heading;
            if (section.HasLines() && !FollowsWithoutGap(heading)) {
                section.Empty();
            }
            section.Title(heading);
        }
        const int value = static_cast<int>(field.Member.Get(settings, 0).Number);
        if (field.Shown.List == ValueList::OffOn) {
            section.Switch(field.Shown.Label, value != 0);
        } else {
            section.Listed(field.Shown.Label, field.Shown.List,
                           ListedWords(field.Shown.List, value), value,
                           ListedWidth(field.Shown.List));
        }
    }
    return section.Done();
}

constexpr std::array<const char*, 4> PosLabels{"Distress Cancel Call", "Stanby Mode", "POS Request",
                                               "POS Reporting"};
// The report prints the first seven beeps; the eighth is the page's, which only the settings
// file keeps.
constexpr std::size_t PrintedBeeps = 7;
constexpr std::array<const char*, 8> BeepLabels{
    "Send Distress Alert", "Received All Ships",   "Received Individual",    "Received Group",
    "Received Geografic",  "Received POS Request", "Received POS Reporting", "POS Reporting"};

DescribedSection DscBasic(const DscBasicSetupRecord& basic, int mmsiEnteredCount) {
    SectionBuilder section("DSC Setup (Basic Setup)");
    section.Title("Usable DSC CH Group");
    for (std::size_t i = 0; i < GroupWords.size(); ++i) {
        if (i == GroupExp) {
            section.List().OnOff("Usable DSC CH Group", GroupWords[i], basic.DscChGroup[i]);
        } else {
            section.Switch(GroupWords[i], basic.DscChGroup[i], DscGroupWidth);
        }
    }
    section.Empty();
    section.List().Text("", "User MMSI", ShownMmsi(basic.UserMmsi));
    const PrintedValue mmsi = section.Last(ShownMmsi(basic.UserMmsi));
    section.List().Number("", "Count", std::to_string(mmsiEnteredCount), mmsiEnteredCount);
    section.Values("User MMSI:", MmsiWidth,
                   {mmsi, section.Last("----- Count : " + std::to_string(mmsiEnteredCount), 0)});
    for (std::size_t i = 0; i < PosLabels.size(); ++i) {
        section.SwitchWithTx(PosLabels[i], basic.PosRequest[i], basic.PosRequestTX[i], i >= 2);
    }
    section.Empty();
    section.Title("DSC Beep Output");
    for (std::size_t i = 0; i < BeepLabels.size(); ++i) {
        if (i < PrintedBeeps) {
            section.Switch(BeepLabels[i], basic.BeepOut[i]);
        } else {
            section.List().OnOff("DSC Beep Output", BeepLabels[i], basic.BeepOut[i]);
        }
    }
    return section.Done();
}

constexpr std::array<const char*, 4> CallCategories{"Distress", "Urgency", "Safty", "Routine"};

void CallBlock(SectionBuilder& section, const std::string& block,
               const std::array<bool, 4>& accepted, const std::array<bool, 4>& tx) {
    section.Title(block);
    for (std::size_t i = 0; i < CallCategories.size(); ++i) {
        section.SwitchWithTx(CallCategories[i], accepted[i], tx[i], true);
    }
}

DescribedSection DscAdvanced(const DscAdvancedSetupRecord& advanced) {
    SectionBuilder section("DSC Setup (Advanced Setup)");
    CallBlock(section, "All Ships Call", advanced.AllShipsCall, advanced.AllShipsCallTX);
    section.Empty();
    CallBlock(section, "Group Call", advanced.GroupCall, advanced.GroupCallTX);
    section.Empty();
    CallBlock(section, "Individual Call", advanced.IndividualCall, advanced.IndividualCallTX);
    return section.Done();
}

constexpr std::array<const char*, 3> DisplayLabels{
    "Individual ACK Menu", "Individual ACK Message Menu", "POS Request ACK Menu"};

DescribedSection DscDisplay(const DscDisplaySetupRecord& display) {
    SectionBuilder section("DSC Setup (Display Setup)");
    for (std::size_t i = 0; i < DisplayLabels.size(); ++i) {
        section.Switch(DisplayLabels[i], display[i]);
    }
    return section.Done();
}

DescribedSection AtisCommon(const AtisCommonRecord& atis) {
    SectionBuilder section("ATIS Setup (Common)");
    section.Add({.Kind = LineKind::GroupColumns});
    section.GroupFlags("Usable ATIS CH Group", atis.AtisChGroup, 4);
    section.List().Text("", "ATIS Code", atis.AtisCode);
    section.Values("ATIS Code:", ValueWidth, {section.Last(atis.AtisCode)});
    section.GroupFlags("Usable ATIS Killer CH Group", atis.AtisKillerChGroup, 4);
    return section.Done();
}

// Entries 1 to 10 on the left, 11 to 20 on the right; the report has no room for the radio's
// entries 21 to 32, which the listing keeps.
constexpr std::size_t CallSignRows = 10;

DescribedSection AtisCallSigns(const std::array<AtisCallSignEntry, AtisCallSignCount>& callSigns) {
    SectionBuilder section("ATIS Setup (Call Sign)");
    std::vector<PrintedValue> printed;
    for (std::size_t k = 0; k < callSigns.size(); ++k) {
        const std::string entry = "No." + std::to_string(k + 1);
        section.List().Text(entry, "MID", callSigns[k].MID);
        printed.push_back(section.Last(callSigns[k].MID, 10));
        section.List().Text(entry, "Display", callSigns[k].DISP);
        printed.push_back(section.Last(callSigns[k].DISP, k < CallSignRows ? 20 : 10));
    }
    section.Add({.Kind = LineKind::CallSignHeads});
    for (std::size_t row = 0; row < CallSignRows; ++row) {
        const std::size_t right = row + CallSignRows;
        section.Add({.Kind = LineKind::CallSignPair,
                     .Label = "No." + std::to_string(row + 1),
                     .Values = {printed[2 * row], printed[2 * row + 1], printed[2 * right],
                                printed[2 * right + 1]},
                     .SecondLabel = "No." + std::to_string(right + 1)});
    }
    return section.Done();
}

} // namespace

std::vector<DescribedSection> DescribeSettingSections(const RadioData& data, bool atis) {
    const SettingsRecord& settings = data.Settings;
    std::vector<DescribedSection> sections{
        UsableGroups(settings),
        DescribedGroup("Common Setup", SettingGroup::Common, settings),
        DscBasic(settings.DscBasicSetup, data.MemoryImage[MmsiEnteredCountAddress]),
        DscAdvanced(settings.DscAdvancedSetup),
        DscDisplay(settings.DscDisplaySetup),
    };
    if (atis) {
        sections.push_back(AtisCommon(settings.AtisCommon));
        sections.push_back(AtisCallSigns(settings.AtisCallSign));
    }
    return sections;
}

} // namespace tq58
