#include "editor/ConfigurationCheck.h"

#include "editor/AtisCodeRule.h"
#include "editor/DirectoryRules.h"
#include "editor/DistressChannel.h"
#include "editor/GroupCaptions.h"
#include "editor/MmsiKinds.h"
#include "editor/NavigationTree.h"
#include "editor/UserMmsiConfirmation.h"

#include <array>

namespace tq58 {

namespace {

using Warnings = std::vector<ConfigurationWarning>;

constexpr std::array<const char*, 3> PlanSections{
    TQ58_TEXT("Check", "Programable USA Channel"),
    TQ58_TEXT("Check", "Programable International Channel"),
    TQ58_TEXT("Check", "Programable Canada Channel")};

struct DirectoryCheck {
    const char* Section;
    int Directory;
};

Phrase Fixed(const char* context, const char* text) {
    return {context, text, {}};
}

Phrase EntryName(std::size_t number) {
    return {TQ58_PHRASE("Check", "No.%1"), {std::to_string(number)}};
}

// What the digits are: "036612345 reads as Group \xB7 USA", or that they are no MMSI at all.
// The caller words both cases; the values are the prefix, the digits and the kind.
Phrase KindPhrase(const MmsiReading& reading, const MidTable& mids, const std::string& prefix,
                  Phrase notAnMmsi, Phrase readsAs) {
    if (reading.Kind == MmsiKind::NotAnMmsi) {
        notAnMmsi.Values = {prefix, reading.Digits};
        return notAnMmsi;
    }
    readsAs.Values = {prefix, reading.Digits};
    readsAs.Parts = {MmsiLabel(reading, mids)};
    return readsAs;
}

Phrase UnknownMidText(const std::string& prefix, const MmsiReading& reading) {
    return {TQ58_PHRASE("Check", "%1MID %2 of %3 is allocated to no country."),
            {prefix, reading.Mid, reading.Digits}};
}

std::string Quoted(const std::string& name) {
    return name.empty() ? std::string() : "\"" + name + "\": ";
}

void CheckUserMmsi(Warnings& warnings, const std::string& userMmsi, const MidTable& mids) {
    const MmsiReading reading = ReadMmsi(userMmsi);
    const auto warn = [&](Phrase text) {
        warnings.push_back({TQ58_TEXT("Check", "DSC Setup (Basic Setup)"),
                            Fixed(TQ58_PHRASE("Check", "User MMSI")), std::move(text), "DSC",
                            "txtUserMMSI"});
    };
    if (auto fault = UserMmsiFault(userMmsi)) {
        warn(std::move(*fault));
    } else if (reading.Kind != MmsiKind::None && !IsOwnStationKind(reading.Kind)) {
        warn(KindPhrase(
            reading, mids, {},
            Fixed(TQ58_PHRASE("Check", "%1%2 is not an MMSI (a ship station's begins with "
                                       "2 to 7); a radio's own MMSI is a ship station's "
                                       "or a handheld's.")),
            Fixed(TQ58_PHRASE("Check", "%1%2 reads as %3; a radio's own MMSI is a ship "
                                       "station's or a handheld's."))));
    } else if (HasUnknownMid(reading, mids)) {
        warn(UnknownMidText({}, reading));
    }
}

void CheckAtisCode(Warnings& warnings, const std::string& code, const MidTable& mids) {
    if (!IsAtisCodeInRule(code, mids)) {
        warnings.push_back({TQ58_TEXT("Check", "ATIS Setup (Common)"),
                            Fixed(TQ58_PHRASE("Check", "ATIS Code")),
                            {TQ58_PHRASE("Check", "%1 does not follow the rule. %2"),
                             {code},
                             {{"Rules", AtisCodeRuleText, {}}}},
                            "ATIS",
                            "txtATIScode"});
    }
}

void CheckChannel16(Warnings& warnings, const SettingsRecord& settings) {
    for (const int group : GroupsWithChannel16Off(settings)) {
        warnings.push_back({PlanSections[static_cast<std::size_t>(group)],
                            {TQ58_PHRASE("Check", "CH %1"), {"16"}},
                            {TQ58_PHRASE("Check", "Channel 16 is switched off in %1: it is the "
                                                  "international distress, safety and calling "
                                                  "channel."),
                             {},
                             {GroupTitle(group)}},
                            ChannelNodeKey(group, Channel16Position()),
                            "chkCEnable"});
    }
}

// The first entry in use before index that holds the same value; 0 when there is none.
template <typename Value>
std::size_t EarlierWithSame(std::span<const DirectoryRecord> entries, std::size_t index,
                            Value value) {
    const std::string own = value(entries[index]);
    for (std::size_t k = 0; k < index && !own.empty(); ++k) {
        if (entries[k].Enable && value(entries[k]) == own) {
            return k + 1;
        }
    }
    return 0;
}

Phrase WrongKindText(const DirectoryCheck& check, const MmsiReading& reading, const MidTable& mids,
                     const std::string& prefix) {
    if (check.Directory == GroupDirectory) {
        return KindPhrase(
            reading, mids, prefix,
            Fixed(TQ58_PHRASE("Check", "%1%2 is not an MMSI (a ship station's begins "
                                       "with 2 to 7), which does not belong in the "
                                       "group directory.")),
            Fixed(TQ58_PHRASE("Check", "%1%2 reads as %3, which does not belong in the "
                                       "group directory.")));
    }
    return KindPhrase(
        reading, mids, prefix,
        Fixed(TQ58_PHRASE("Check", "%1%2 is not an MMSI (a ship station's begins with 2 "
                                   "to 7), which does not belong in the individual "
                                   "directory.")),
        Fixed(TQ58_PHRASE("Check", "%1%2 reads as %3, which does not belong in the "
                                   "individual directory.")));
}

void CheckEntry(Warnings& warnings, const DirectoryCheck& check,
                std::span<const DirectoryRecord> entries, std::size_t index, const MidTable& mids) {
    const DirectoryRecord& entry = entries[index];
    const MmsiReading reading = ReadMmsi(entry.Mmsid);
    const std::string prefix = Quoted(entry.TagName);
    const auto warn = [&](Phrase text) {
        warnings.push_back({check.Section, EntryName(index + 1), std::move(text),
                            DirectoryNodeKey(check.Directory, static_cast<int>(index))});
    };
    if (IsWrongKindForDirectory(check.Directory, reading.Kind)) {
        warn(WrongKindText(check, reading, mids, prefix));
    } else if (HasUnknownMid(reading, mids)) {
        warn(UnknownMidText(prefix, reading));
    }
    const auto mmsi = [](const DirectoryRecord& e) { return ReadMmsi(e.Mmsid).Digits; };
    if (const std::size_t same = EarlierWithSame(entries, index, mmsi)) {
        warn({TQ58_PHRASE("Check", "%1the same MMSI as No.%2."), {prefix, std::to_string(same)}});
    }
    const auto name = [](const DirectoryRecord& e) { return e.TagName; };
    if (const std::size_t same = EarlierWithSame(entries, index, name)) {
        warn({TQ58_PHRASE("Check", "%1the same name as No.%2."), {prefix, std::to_string(same)}});
    }
}

void CheckDirectories(Warnings& warnings, const SettingsRecord& settings, const MidTable& mids) {
    const std::array<DirectoryCheck, 2> checks{{
        {TQ58_TEXT("Check", "Memory ID Setting"), IndividualDirectory},
        {TQ58_TEXT("Check", "Group ID Setting"), GroupDirectory},
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

// "1-3, 7, 9-64" of the numbers 1 to 64, in order.
std::string NumberRanges(const std::vector<std::size_t>& numbers) {
    std::string text;
    for (std::size_t first = 0; first < numbers.size();) {
        std::size_t last = first;
        while (last + 1 < numbers.size() && numbers[last + 1] == numbers[last] + 1) {
            ++last;
        }
        text += (text.empty() ? "" : ", ") + std::to_string(numbers[first]);
        if (last > first) {
            text += "-" + std::to_string(numbers[last]);
        }
        first = last + 1;
    }
    return text;
}

void CheckExpNames(Warnings& warnings, const std::vector<ChannelRecord>& channels) {
    std::vector<std::size_t> unnamed;
    for (std::size_t k = 0; k < channels.size(); ++k) {
        const bool blank = channels[k].ChTag.find_first_not_of(' ') == std::string::npos;
        if (channels[k].Enable && blank) {
            unnamed.push_back(k + 1);
        }
    }
    const char* section = TQ58_TEXT("Check", "Programable Exp Channel");
    const Phrase entry{TQ58_PHRASE("Check", "CH %1"), {NumberRanges(unnamed)}};
    if (unnamed.size() == 1) {
        warnings.push_back(
            {section, entry, Fixed(TQ58_PHRASE("Check", "The channel is in use but has no name.")),
             ChannelNodeKey(GroupExp, static_cast<int>(unnamed.front() - 1)), "txtCTag"});
    } else if (unnamed.size() > 1) {
        warnings.push_back({section,
                            entry,
                            {TQ58_PHRASE("Check", "%1 EXP channels are in use without a name."),
                             {std::to_string(unnamed.size())}},
                            "ExpChannel"});
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
    return warning.Section + " | " + warning.Entry.English() + " | " + warning.Text.English();
}

} // namespace tq58
