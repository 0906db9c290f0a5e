#include "model/ChannelFields.h"
#include "model/ChannelText.h"
#include "model/FieldCodec.h"
#include "report/ListedSettings.h"
#include "report/ReportWords.h"

#include <array>

namespace tq58 {

namespace {

// An entry beyond the end of a short list compares as an empty one.
template <typename List> auto ElementOr(const List& list, std::size_t index) {
    using Element = typename List::value_type;
    return index < list.size() ? list[index] : Element{};
}

void ListFrequency(SettingsListing& listing, const std::string& entry, const std::string& field,
                   double megahertz) {
    listing.Add(entry, field, ExpFreqText(megahertz),
                IsStorableFrequency(megahertz) ? std::to_string(FrequencyUnits(megahertz))
                                               : "none");
}

// A field of the channel description under its report column.
void ListField(SettingsListing& listing, const std::string& entry, ChannelField which,
               const ChannelRecord& channel, const ListingScope& scope) {
    const ChannelFieldInfo& field = ChannelFieldOf(which);
    switch (field.Value) {
    case ChannelValue::Flag:
        if (field.Rule) {
            listing.TableFlag(entry, field.Column, channel.*field.Flag, field.Rule);
        } else {
            listing.OnOff(entry, field.Column, channel.*field.Flag);
        }
        if (which == ChannelField::Duplex && channel.Duplex && !channel.DuplexCapable) {
            listing.MarkUnoffered();
        }
        return;
    case ChannelValue::Frequency:
        ListFrequency(listing, entry, field.Column, channel.*field.Frequency);
        return;
    case ChannelValue::Display:
        listing.Add(entry, field.Column, ExpDisplayText(channel),
                    channel.CHDisplayL + "|" + channel.CHDisplayR);
        return;
    case ChannelValue::Scrambler:
        if (scope.Scrambler) {
            listing.Number(entry, field.Column, ScrambleText(channel.Scramble), channel.Scramble);
            if (!IsOfferedScramble(channel.Scramble)) {
                listing.MarkUnoffered();
            }
        }
        return;
    case ChannelValue::Name:
        listing.Text(entry, field.Column, channel.ChTag);
        return;
    }
}

using F = ChannelField;

// The fields each table lists, in its order: every record of the list, enabled or not, for a
// disabled channel still goes to the radio.
const std::vector<ChannelField> PlanFields{F::Enable, F::TxEnable,   F::LowPowerOnly, F::PowerUp,
                                           F::Duplex, F::ScanMemory, F::Scrambler,    F::Name};
const std::vector<ChannelField> WxFields{F::Enable, F::ScanMemory, F::Name};
const std::vector<ChannelField> ExpFields{F::Display,    F::Enable,       F::RxFreq,  F::TxFreq,
                                          F::TxEnable,   F::LowPowerOnly, F::PowerUp, F::Narrow,
                                          F::ScanMemory, F::Scrambler,    F::Name};

template <typename Entry>
void ListChannels(SettingsListing& listing, const std::string& heading,
                  const std::vector<ChannelRecord>& list, std::size_t size,
                  const std::vector<ChannelField>& fields, const ListingScope& scope,
                  Entry entryOf) {
    listing.Section(heading);
    for (std::size_t i = 0; i < size; ++i) {
        const ChannelRecord channel = ElementOr(list, i);
        const std::string entry = "CH " + entryOf(i);
        for (const ChannelField field : fields) {
            ListField(listing, entry, field, channel, scope);
        }
    }
}

void ListPlanTable(SettingsListing& listing, const std::string& heading,
                   const std::vector<ChannelRecord>& list, const ListingScope& scope) {
    ListChannels(listing, heading, list, PlanListSize, PlanFields, scope,
                 [](std::size_t i) { return ChannelEntryAt(static_cast<int>(i)).ChLabel; });
}

template <std::size_t N>
void ListDirectory(SettingsListing& listing, const std::string& heading,
                   const std::string& nameHeading, const std::array<DirectoryRecord, N>& list) {
    listing.Section(heading);
    for (std::size_t k = 0; k < N; ++k) {
        const std::string entry = "No." + std::to_string(k + 1);
        listing.Text(entry, nameHeading, list[k].TagName);
        listing.Text(entry, "MMSI", ShownMmsi(list[k].Mmsid));
    }
}

} // namespace

void ListTableSections(SettingsListing& listing, const SettingsRecord& settings,
                       const ListingScope& scope) {
    ListPlanTable(listing, "Programable USA Channel", settings.CHUSA, scope);
    ListPlanTable(listing, "Programable International Channel", settings.CHINT, scope);
    ListPlanTable(listing, "Programable Canada Channel", settings.CHCAN, scope);
    const auto number = [](std::size_t i) { return std::to_string(i + 1); };
    ListChannels(listing, "Programable Wx Channel", settings.CHWX, WxChannelCount, WxFields, scope,
                 number);
    ListDirectory(listing, "Memory ID Setting", "Station Name", settings.CHMMSID);
    ListDirectory(listing, "Group ID Setting", "Group Name", settings.CHGRPID);
    ListChannels(listing, "Programable Exp Channel", settings.CHEXP, ExpChannelCount, ExpFields,
                 scope, number);
}

} // namespace tq58
