#include "editor/MmsiKinds.h"

#include "editor/CountryNames.h"
#include "editor/NavigationTree.h"
#include "model/Phrase.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tq58 {

namespace {

constexpr std::size_t MmsiDigits = 9;
constexpr std::size_t MidLength = 3;
constexpr std::size_t NoMid = std::string_view::npos;

struct KindPrefix {
    std::string_view Prefix;
    MmsiKind Kind;
    std::size_t MidAt; // where the MID begins, NoMid for a kind without one
};

// Longer prefixes first, so that "00" is a coast station before "0" makes it a group.
constexpr std::array<KindPrefix, 15> Prefixes{{
    {"111", MmsiKind::SarAircraft, 3},
    {"970", MmsiKind::AisSart, NoMid},
    {"972", MmsiKind::Mob, NoMid},
    {"974", MmsiKind::Epirb, NoMid},
    {"99", MmsiKind::AisAid, 2},
    {"98", MmsiKind::AisCraft, 2},
    {"00", MmsiKind::CoastStation, 2},
    {"0", MmsiKind::Group, 1},
    {"8", MmsiKind::Handheld, 1},
    {"2", MmsiKind::ShipStation, 0},
    {"3", MmsiKind::ShipStation, 0},
    {"4", MmsiKind::ShipStation, 0},
    {"5", MmsiKind::ShipStation, 0},
    {"6", MmsiKind::ShipStation, 0},
    {"7", MmsiKind::ShipStation, 0},
}};

constexpr std::array<std::pair<MmsiKind, const char*>, 11> KindNames{{
    {MmsiKind::NotAnMmsi, TQ58_TEXT("Mmsi", "Not an MMSI")},
    {MmsiKind::ShipStation, TQ58_TEXT("Mmsi", "Ship station")},
    {MmsiKind::Group, TQ58_TEXT("Mmsi", "Group")},
    {MmsiKind::CoastStation, TQ58_TEXT("Mmsi", "Coast station")},
    {MmsiKind::Handheld, TQ58_TEXT("Mmsi", "Handheld")},
    {MmsiKind::SarAircraft, TQ58_TEXT("Mmsi", "SAR aircraft")},
    {MmsiKind::AisAid, TQ58_TEXT("Mmsi", "AIS aid to navigation")},
    {MmsiKind::AisCraft, TQ58_TEXT("Mmsi", "Craft of a parent ship")},
    {MmsiKind::AisSart, TQ58_TEXT("Mmsi", "AIS-SART")},
    {MmsiKind::Mob, TQ58_TEXT("Mmsi", "Man overboard device")},
    {MmsiKind::Epirb, TQ58_TEXT("Mmsi", "EPIRB-AIS")},
}};

constexpr const char* LabelSeparator = " \xB7 ";

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

MmsiReading ReadMmsi(const std::string& stored) {
    if (stored.empty()) {
        return {};
    }
    const std::string_view digits = std::string_view(stored).substr(0, MmsiDigits);
    if (digits.size() < MmsiDigits || !AllDigits(digits)) {
        return {MmsiKind::NotAnMmsi, std::string(digits), {}};
    }
    for (const KindPrefix& kind : Prefixes) {
        if (digits.substr(0, kind.Prefix.size()) == kind.Prefix) {
            const std::string mid = kind.MidAt == NoMid
                                        ? std::string()
                                        : std::string(digits.substr(kind.MidAt, MidLength));
            return {kind.Kind, std::string(digits), mid};
        }
    }
    return {MmsiKind::NotAnMmsi, std::string(digits), {}};
}

std::string MmsiKindName(MmsiKind kind) {
    const auto found = std::find_if(KindNames.begin(), KindNames.end(),
                                    [kind](const auto& name) { return name.first == kind; });
    return found == KindNames.end() ? std::string() : found->second;
}

namespace {

Phrase KindPhrase(MmsiKind kind) {
    const auto found = std::find_if(KindNames.begin(), KindNames.end(),
                                    [kind](const auto& name) { return name.first == kind; });
    return found == KindNames.end() ? Verbatim({}) : Phrase{"Mmsi", found->second, {}};
}

// The kind, the separator and where the MID places the station, each shown by itself.
Phrase Placed(MmsiKind kind, Phrase place) {
    return {"", "%1%2%3", {}, {KindPhrase(kind), Verbatim(LabelSeparator), std::move(place)}};
}

} // namespace

bool HasUnknownMid(const MmsiReading& reading, const MidTable& mids) {
    return !reading.Mid.empty() && !mids.Empty() && mids.Find(reading.Mid) == nullptr;
}

Phrase MmsiLabel(const MmsiReading& reading, const MidTable& mids) {
    if (HasUnknownMid(reading, mids)) {
        return Placed(reading.Kind, {TQ58_PHRASE("Mmsi", "MID %1 unknown"), {reading.Mid}});
    }
    const MidCountry* country = reading.Mid.empty() ? nullptr : mids.Find(reading.Mid);
    return country ? Placed(reading.Kind, CountryName(country->Name)) : KindPhrase(reading.Kind);
}

bool IsWrongKindForDirectory(int directory, MmsiKind kind) {
    if (kind == MmsiKind::None) {
        return false;
    }
    if (directory == GroupDirectory) {
        return kind != MmsiKind::Group;
    }
    return kind == MmsiKind::Group || kind == MmsiKind::CoastStation || kind == MmsiKind::NotAnMmsi;
}

bool IsOwnStationKind(MmsiKind kind) {
    return kind == MmsiKind::ShipStation || kind == MmsiKind::Handheld;
}

} // namespace tq58
