#pragma once

#include "editor/MidTable.h"
#include "model/Phrase.h"

#include <string>

namespace tq58 {

// What the nine digits of an MMSI say about the station (ITU-R M.585), read from the stored
// form of the record: the User MMSI, a directory entry's ten characters (the nine digits and
// "0"; a group's "0", its eight digits and "0") all begin with the nine digits.

enum class MmsiKind {
    None,         // no MMSI
    NotAnMmsi,    // not nine digits, or a first digit that no kind begins with
    ShipStation,  // MID and six digits, the MID beginning with 2 to 7
    Group,        // 0, MID, five digits
    CoastStation, // 00, MID, four digits
    Handheld,     // 8, MID, five digits
    SarAircraft,  // 111, MID, three digits
    AisAid,       // 99, MID, four digits: an aid to navigation
    AisCraft,     // 98, MID, four digits: a craft with its parent ship
    AisSart,      // 970: search and rescue transmitter
    Mob,          // 972: man overboard device
    Epirb,        // 974: EPIRB with AIS
};

struct MmsiReading {
    MmsiKind Kind = MmsiKind::None;
    std::string Digits; // the nine digits (for NotAnMmsi: the first nine characters)
    std::string Mid;    // empty for the kinds without one (970, 972, 974)

    bool operator==(const MmsiReading&) const = default;
};

MmsiReading ReadMmsi(const std::string& stored);

// "Ship station", "Group" ...; empty for None. The window shows it translated ("Mmsi").
std::string MmsiKindName(MmsiKind kind);

// The MID of the reading is allocated to no country of the table (never for an empty table,
// which knows none).
bool HasUnknownMid(const MmsiReading& reading, const MidTable& mids);

// The label beside an MMSI: "Ship station \xB7 Netherlands", "Group \xB7 USA",
// "Handheld \xB7 MID 199 unknown", "AIS-SART"; empty for no MMSI. The window shows the kind and
// "MID 199 unknown" translated, the country as the MID table names it.
Phrase MmsiLabel(const MmsiReading& reading, const MidTable& mids);

// A station that may own the radio: a ship station or a handheld.
bool IsOwnStationKind(MmsiKind kind);

// What earns a directory entry a warning: a group, a coast station or no MMSI at all in the
// individual directory; anything but a group in the group directory (DirectoryKind).
bool IsWrongKindForDirectory(int directory, MmsiKind kind);

} // namespace tq58
