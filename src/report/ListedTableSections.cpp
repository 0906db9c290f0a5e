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

void ListChannelOptions(SettingsListing& listing, const std::string& entry,
                        const ChannelRecord& channel) {
    listing.TableFlag(entry, "TX", channel.TxEnable, "--");
    listing.TableFlag(entry, "LOW", channel.LowPower, "---");
    listing.TableFlag(entry, "UP", channel.PowUp, "--");
}

void ListScanAndName(SettingsListing& listing, const std::string& entry,
                     const ChannelRecord& channel, const ListingScope& scope) {
    listing.TableFlag(entry, "MEM", channel.ScanMemory, "---");
    if (scope.Scrambler) {
        listing.Number(entry, "VS", ScrambleText(channel.Scramble), channel.Scramble);
        if (!IsOfferedScramble(channel.Scramble)) {
            listing.MarkUnoffered();
        }
    }
    listing.Text(entry, "CH Name", channel.ChTag);
}

// Every record of the plan list, enabled or not: a disabled channel still goes to the radio.
void ListPlanTable(SettingsListing& listing, const std::string& heading,
                   const std::vector<ChannelRecord>& list, const ListingScope& scope) {
    listing.Section(heading);
    for (std::size_t position = 0; position < PlanListSize; ++position) {
        const ChannelRecord channel = ElementOr(list, position);
        const std::string entry = "CH " + ChannelEntryAt(static_cast<int>(position)).ChLabel;
        listing.TableFlag(entry, "ENABLE", channel.Enable, "------");
        ListChannelOptions(listing, entry, channel);
        listing.TableFlag(entry, "DUP", channel.Duplex, "---");
        if (channel.Duplex && !channel.DuplexCapable) {
            listing.MarkUnoffered();
        }
        ListScanAndName(listing, entry, channel, scope);
    }
}

void ListWxTable(SettingsListing& listing, const std::vector<ChannelRecord>& list) {
    listing.Section("Programable Wx Channel");
    for (std::size_t i = 0; i < WxChannelCount; ++i) {
        const ChannelRecord channel = ElementOr(list, i);
        const std::string entry = "CH " + std::to_string(i + 1);
        listing.TableFlag(entry, "ENABLE", channel.Enable, "------");
        listing.TableFlag(entry, "MEM", channel.ScanMemory, "---");
        listing.Text(entry, "CH Name", channel.ChTag);
    }
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

void ListFrequency(SettingsListing& listing, const std::string& entry, const std::string& field,
                   double megahertz) {
    listing.Add(entry, field, ExpFreqText(megahertz),
                IsStorableFrequency(megahertz) ? std::to_string(FrequencyUnits(megahertz))
                                               : "none");
}

void ListExpTable(SettingsListing& listing, const std::vector<ChannelRecord>& list,
                  const ListingScope& scope) {
    listing.Section("Programable Exp Channel");
    for (std::size_t k = 0; k < ExpChannelCount; ++k) {
        const ChannelRecord channel = ElementOr(list, k);
        const std::string entry = "CH " + std::to_string(k + 1);
        listing.Add(entry, "CHD", ExpDisplayText(channel),
                    channel.CHDisplayL + "|" + channel.CHDisplayR);
        listing.TableFlag(entry, "ENABLE", channel.Enable, "------");
        ListFrequency(listing, entry, "RX(MHz)", channel.Rxfreq);
        ListFrequency(listing, entry, "TX(MHz)", channel.Txfreq);
        ListChannelOptions(listing, entry, channel);
        listing.OnOff(entry, "Narrow", channel.Narrow);
        ListScanAndName(listing, entry, channel, scope);
    }
}

} // namespace

void ListTableSections(SettingsListing& listing, const SettingsRecord& settings,
                       const ListingScope& scope) {
    ListPlanTable(listing, "Programable USA Channel", settings.CHUSA, scope);
    ListPlanTable(listing, "Programable International Channel", settings.CHINT, scope);
    ListPlanTable(listing, "Programable Canada Channel", settings.CHCAN, scope);
    ListWxTable(listing, settings.CHWX);
    ListDirectory(listing, "Memory ID Setting", "Station Name", settings.CHMMSID);
    ListDirectory(listing, "Group ID Setting", "Group Name", settings.CHGRPID);
    ListExpTable(listing, settings.CHEXP, scope);
}

} // namespace tq58
