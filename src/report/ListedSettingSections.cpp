#include "model/FieldCodec.h"
#include "model/ImageHeader.h"
#include "report/ListedSettings.h"
#include "report/ReportWords.h"

#include <array>
#include <cstddef>

namespace tq58 {

namespace {

constexpr std::array<const char*, 4> GroupWords{"USA", "INTL", "Canada", "EXP CH"};

template <std::size_t N>
void OnOffRow(SettingsListing& listing, const std::string& entry, const std::array<bool, N>& flags,
              std::size_t count) {
    for (std::size_t i = 0; i < count && i < N; ++i) {
        listing.OnOff(entry, GroupWords[i], flags[i]);
    }
}

void ListUsableGroups(SettingsListing& listing, const SettingsRecord& settings) {
    listing.Section("Usable CH Group Setup");
    for (std::size_t g = 0; g < GroupWords.size(); ++g) {
        const UsableGroupRecord& group = settings.UsableChGroup[g];
        listing.OnOff(GroupWords[g], "Enable", group.Enable);
        listing.OnOff(GroupWords[g], "TX TOT", group.TxTot);
        if (g != GroupExp) {
            listing.Number(GroupWords[g], "Priority CH", PriorityText(group.PriorityCh),
                           group.PriorityCh);
        }
        listing.Add(GroupWords[g], "Status Name", StatusText(group.StatusName), group.StatusName);
    }
    OnOffRow(listing, "EXP CH", settings.UsableChGroup[GroupExp].ExpChGroup, 3);
}

void ListCommon(SettingsListing& listing, const CommonSetupRecord& common) {
    listing.Section("Common Setup");
    listing.Listed("Starting TX Mode", "TX Po Display", ValueList::TxPoDisplay,
                   TxPoText(common.TxPoDisplay), common.TxPoDisplay);
    listing.OnOff("Scanning Function", "SCAN", common.Scan);
    listing.Listed("Scanning Function", "Resume Time", ValueList::ResumeTime,
                   ResumeText(common.ResumeTime), common.ResumeTime);
    listing.OnOff("Scanning Function", "PTT SCAN Clear", common.PttScanClear);
    listing.OnOff("Scanning Function", "Dual Watch", common.DualWatch);
    listing.Listed("NMEA Data Input", "Offset Time", ValueList::OffsetTime,
                   OffsetText(common.OffsetTime), common.OffsetTime);
    listing.Listed("NMEA Data Input", "Magnetic Variation", ValueList::MagneticVariation,
                   MagText(common.MagneticVariation), common.MagneticVariation);
    listing.Listed("Weather CH Function", "Weather Alert", ValueList::WeatherAlert,
                   WeatherText(common.WeatherAlert), common.WeatherAlert);
    listing.OnOff("Weather CH Function", "Rotary Beep", common.Rotary);
}

constexpr std::array<const char*, 4> PosLabels{"Distress Cancel Call", "Stanby Mode", "POS Request",
                                               "POS Reporting"};
// The report's seven beep rows, and the page's eighth, which only the settings file keeps.
constexpr std::array<const char*, 8> BeepLabels{
    "Send Distress Alert", "Received All Ships",   "Received Individual",    "Received Group",
    "Received Geografic",  "Received POS Request", "Received POS Reporting", "POS Reporting"};

void ListDscBasic(SettingsListing& listing, const DscBasicSetupRecord& basic,
                  int mmsiEnteredCount) {
    listing.Section("DSC Setup (Basic Setup)");
    OnOffRow(listing, "Usable DSC CH Group", basic.DscChGroup, 4);
    listing.Text("", "User MMSI", ShownMmsi(basic.UserMmsi));
    listing.Number("", "Count", std::to_string(mmsiEnteredCount), mmsiEnteredCount);
    for (std::size_t i = 0; i < PosLabels.size(); ++i) {
        listing.OnOff("", PosLabels[i], basic.PosRequest[i]);
        listing.HiLow("", std::string(PosLabels[i]) + " TX", basic.PosRequestTX[i]);
    }
    for (std::size_t i = 0; i < BeepLabels.size(); ++i) {
        listing.OnOff("DSC Beep Output", BeepLabels[i], basic.BeepOut[i]);
    }
}

constexpr std::array<const char*, 4> CallCategories{"Distress", "Urgency", "Safty", "Routine"};

void ListCallBlock(SettingsListing& listing, const std::string& block,
                   const std::array<bool, 4>& accepted, const std::array<bool, 4>& tx) {
    for (std::size_t i = 0; i < CallCategories.size(); ++i) {
        listing.OnOff(block, CallCategories[i], accepted[i]);
        listing.HiLow(block, std::string(CallCategories[i]) + " TX", tx[i]);
    }
}

void ListDscAdvanced(SettingsListing& listing, const DscAdvancedSetupRecord& advanced) {
    listing.Section("DSC Setup (Advanced Setup)");
    ListCallBlock(listing, "All Ships Call", advanced.AllShipsCall, advanced.AllShipsCallTX);
    ListCallBlock(listing, "Group Call", advanced.GroupCall, advanced.GroupCallTX);
    ListCallBlock(listing, "Individual Call", advanced.IndividualCall, advanced.IndividualCallTX);
}

constexpr std::array<const char*, 3> DisplayLabels{
    "Individual ACK Menu", "Individual ACK Message Menu", "POS Request ACK Menu"};

void ListDscDisplay(SettingsListing& listing, const DscDisplaySetupRecord& display) {
    listing.Section("DSC Setup (Display Setup)");
    for (std::size_t i = 0; i < DisplayLabels.size(); ++i) {
        listing.OnOff("", DisplayLabels[i], display[i]);
    }
}

void ListAtis(SettingsListing& listing, const SettingsRecord& settings) {
    listing.Section("ATIS Setup (Common)");
    OnOffRow(listing, "Usable ATIS CH Group", settings.AtisCommon.AtisChGroup, 4);
    listing.Text("", "ATIS Code", settings.AtisCommon.AtisCode);
    OnOffRow(listing, "Usable ATIS Killer CH Group", settings.AtisCommon.AtisKillerChGroup, 4);
    // Every call sign the radio keeps, beyond the twenty the report has room for.
    listing.Section("ATIS Setup (Call Sign)");
    for (std::size_t k = 0; k < settings.AtisCallSign.size(); ++k) {
        const std::string entry = "No." + std::to_string(k + 1);
        listing.Text(entry, "MID", settings.AtisCallSign[k].MID);
        listing.Text(entry, "Display", settings.AtisCallSign[k].DISP);
    }
}

} // namespace

void ListSettingSections(SettingsListing& listing, const RadioData& data,
                         const ListingScope& scope) {
    const SettingsRecord& settings = data.Settings;
    listing.Section("Model");
    listing.Add("", "Model", scope.ModelName, scope.ModelName);
    ListUsableGroups(listing, settings);
    ListCommon(listing, settings.CommonSetup);
    ListDscBasic(listing, settings.DscBasicSetup, data.MemoryImage[MmsiEnteredCountAddress]);
    ListDscAdvanced(listing, settings.DscAdvancedSetup);
    ListDscDisplay(listing, settings.DscDisplaySetup);
    if (scope.Atis) {
        ListAtis(listing, settings);
    }
}

} // namespace tq58
