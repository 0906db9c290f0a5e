#include "editor/ConfigurationCheck.h"

#include "editor/AtisCodeRule.h"
#include "editor/DirectoryRules.h"
#include "editor/DistressChannel.h"
#include "editor/GroupCaptions.h"
#include "editor/MmsiKinds.h"

#include <array>

namespace tq58 {

namespace {

using Warnings = std::vector<ConfigurationWarning>;

constexpr std::array<const char*, 3> PlanSections{
    "Programable USA Channel", "Programable International Channel", "Programable Canada Channel"};

struct DirectoryCheck {
    const char* Section;
    const char* Name; // "the individual directory"
    int Directory;
};

std::string EntryName(int number) {
    return "No." + std::to_string(number);
}

// "036612345 reads as Group \xB7 USA", or that it is no MMSI at all.
std::string KindText(const MmsiReading& reading, const MidTable& mids) {
    return reading.Kind == MmsiKind::NotAnMmsi
               ? reading.Digits + " is not an MMSI (a ship station's begins with 2 to 7)"
               : reading.Digits + " reads as " + MmsiLabel(reading, mids);
}

std::string UnknownMidText(const MmsiReading& reading) {
    return "MID " + reading.Mid + " of " + reading.Digits + " is allocated to no country.";
}

std::string Quoted(const std::string& name) {
    return name.empty() ? std::string() : "\"" + name + "\": ";
}

void CheckUserMmsi(Warnings& warnings, const std::string& userMmsi, const MidTable& mids) {
    const MmsiReading reading = ReadMmsi(userMmsi);
    const auto warn = [&](std::string text) {
        warnings.push_back({"DSC Setup (Basic Setup)", "User MMSI", std::move(text)});
    };
    if (reading.Kind != MmsiKind::None && !IsOwnStationKind(reading.Kind)) {
        warn(KindText(reading, mids) + "; a radio's own MMSI is a ship station's or a handheld's.");
    } else if (HasUnknownMid(reading, mids)) {
        warn(UnknownMidText(reading));
    }
}

void CheckAtisCode(Warnings& warnings, const std::string& code, const MidTable& mids) {
    if (!IsAtisCodeInRule(code, mids)) {
        warnings.push_back({"ATIS Setup (Common)", "ATIS Code",
                            code + " does not follow the rule. " + AtisCodeRuleText});
    }
}

void CheckChannel16(Warnings& warnings, const SettingsRecord& settings) {
    for (const int group : GroupsWithChannel16Off(settings)) {
        warnings.push_back({PlanSections[static_cast<std::size_t>(group)], "CH 16",
                            "Channel 16 is switched off in " + GroupCaption(group) +
                                ": it is the international distress, safety and calling "
                                "channel."});
    }
}

// The first entry in use before index that holds the same value; 0 when there is none.
template <typename Value>
int EarlierWithSame(std::span<const DirectoryRecord> entries, std::size_t index, Value value) {
    const std::string own = value(entries[index]);
    for (std::size_t k = 0; k < index && !own.empty(); ++k) {
        if (entries[k].Enable && value(entries[k]) == own) {
            return static_cast<int>(k) + 1;
        }
    }
    return 0;
}

void CheckEntry(Warnings& warnings, const DirectoryCheck& check,
                std::span<const DirectoryRecord> entries, std::size_t index, const MidTable& mids) {
    const DirectoryRecord& entry = entries[index];
    const MmsiReading reading = ReadMmsi(entry.Mmsid);
    const std::string prefix = Quoted(entry.TagName);
    const auto warn = [&](const std::string& text) {
        warnings.push_back({check.Section, EntryName(static_cast<int>(index) + 1), prefix + text});
    };
    if (IsWrongKindForDirectory(check.Directory, reading.Kind)) {
        warn(KindText(reading, mids) + ", which does not belong in " + check.Name + ".");
    } else if (HasUnknownMid(reading, mids)) {
        warn(UnknownMidText(reading));
    }
    const auto mmsi = [](const DirectoryRecord& e) { return ReadMmsi(e.Mmsid).Digits; };
    if (const int same = EarlierWithSame(entries, index, mmsi)) {
        warn("the same MMSI as " + EntryName(same) + ".");
    }
    const auto name = [](const DirectoryRecord& e) { return e.TagName; };
    if (const int same = EarlierWithSame(entries, index, name)) {
        warn("the same name as " + EntryName(same) + ".");
    }
}

void CheckDirectories(Warnings& warnings, const SettingsRecord& settings, const MidTable& mids) {
    const std::array<DirectoryCheck, 2> checks{{
        {"Memory ID Setting", "the individual directory", IndividualDirectory},
        {"Group ID Setting", "the group directory", GroupDirectory},
    }};
    for (const DirectoryCheck& check : checks) {
        const auto entries = DirectoryEntries(settings, check.Directory);
        for (std::size_t index = 0; index < entries.size(); ++index) {
            if (entries[index].Enable) {
                CheckEntry(warnings, check, entries, index, mids);
            }
        }
    }
}

void CheckExpNames(Warnings& warnings, const std::vector<ChannelRecord>& channels) {
    for (std::size_t k = 0; k < channels.size(); ++k) {
        const bool blank = channels[k].ChTag.find_first_not_of(' ') == std::string::npos;
        if (channels[k].Enable && blank) {
            warnings.push_back({"Programable Exp Channel", "CH " + std::to_string(k + 1),
                                "The channel is in use but has no name."});
        }
    }
}

} // namespace

std::vector<ConfigurationWarning>
CheckConfiguration(const SettingsRecord& settings, const ModelState& model, const MidTable& mids) {
    Warnings warnings;
    CheckUserMmsi(warnings, settings.DscBasicSetup.UserMmsi, mids);
    if (model.AtisAvailable) {
        CheckAtisCode(warnings, settings.AtisCommon.AtisCode, mids);
    }
    CheckChannel16(warnings, settings);
    CheckDirectories(warnings, settings, mids);
    CheckExpNames(warnings, settings.CHEXP);
    return warnings;
}

std::string WarningLine(const ConfigurationWarning& warning) {
    return warning.Section + " | " + warning.Entry + " | " + warning.Text;
}

} // namespace tq58
