#pragma once

#include <array>
#include <string>
#include <vector>

namespace tq58 {

// One channel of any list (USA, INTL, Canada, weather, EXP).
struct ChannelRecord {
    int Position = 0; // index within the list; for weather channels the number 1-10
    bool Enable = false;
    bool LowPower = false;
    bool PowUp = false;
    bool Duplex = false;
    bool DuplexCapable = false; // from the channel table, not stored in the image
    bool TxEnable = false;
    bool DisplayA = false; // channel number shown with suffix "A"; not stored in the image
    bool ScanMemory = false;
    std::string ChTag;
    int Scramble = 0;
    bool RxOnly = false; // receive-only channel of the built-in plan
    bool Narrow = false; // EXP only
    std::string CHDisplayL;
    std::string CHDisplayR;
    double Txfreq = 0; // EXP only, MHz, 0 = none
    double Rxfreq = 0; // EXP only, MHz, 0 = none

    bool operator==(const ChannelRecord&) const = default;
};

constexpr int PlanListSize = 240;
constexpr int WxChannelCount = 10;
constexpr int ExpChannelCount = 64;
constexpr int IndividualDirectorySize = 80;
constexpr int GroupDirectorySize = 32;
constexpr int AtisCallSignCount = 32;

enum ChannelGroup { GroupUsa = 0, GroupIntl = 1, GroupCanada = 2, GroupExp = 3 };

struct UsableGroupRecord {
    bool Enable = false;
    bool TxTot = false;
    long PriorityCh = 0; // 16-bit value from the image; not stored for EXP
    std::string StatusName;
    std::array<bool, 3> ExpChGroup{}; // EXP record only

    bool operator==(const UsableGroupRecord&) const = default;
};

struct CommonSetupRecord {
    int TxPoDisplay = 0;
    bool Scan = false;
    int ResumeTime = 0;
    bool PttScanClear = false;
    bool DualWatch = false; // not stored in the image
    int OffsetTime = 0;     // -24 to 24 as edited
    int MagneticVariation = 0;
    int WeatherAlert = 0; // weather alert setting
    bool Rotary = false;

    bool operator==(const CommonSetupRecord&) const = default;
};

struct DscBasicSetupRecord {
    std::array<bool, 4> DscChGroup{}; // USA, INTL, Canada, and an unlabelled fourth entry
    std::string UserMmsi;
    std::array<bool, 4> PosRequest{};
    std::array<bool, 4> PosRequestTX{}; // only entries 2 and 3 are stored in the image
    std::array<bool, 8> BeepOut{};      // entry 7 has no use

    bool operator==(const DscBasicSetupRecord&) const = default;
};

// Each array is indexed 0 = Distress, 1 = Urgency, 2 = Safety, 3 = Routine.
struct DscAdvancedSetupRecord {
    std::array<bool, 4> AllShipsCall{};
    std::array<bool, 4> AllShipsCallTX{};
    std::array<bool, 4> GroupCall{};
    std::array<bool, 4> GroupCallTX{};
    std::array<bool, 4> IndividualCall{};
    std::array<bool, 4> IndividualCallTX{};

    bool operator==(const DscAdvancedSetupRecord&) const = default;
};

// Individual ACK menu, individual ACK message menu, POS request ACK menu.
using DscDisplaySetupRecord = std::array<bool, 3>;

struct AutoPosEntry {
    std::string MMSI;
    bool ENABLE = false;
    bool RCENABLE = false;
    long CHANNEL = 0;
    int INTERVAL = 0;
    int SELECTCALL = 0;   // 0 individual call; 1 multi-station (entry 0) or group call (entry 1)
    long LASTADDRESS = 0; // entry number in the directory SELECTCALL names

    bool operator==(const AutoPosEntry&) const = default;
};

struct AutoPosSetupRecord {
    bool MENUDISPLAY = false;
    std::array<AutoPosEntry, 2> Entry{}; // 0 = POS request polling, 1 = POS reporting

    bool operator==(const AutoPosSetupRecord&) const = default;
};

struct AtisCommonRecord {
    std::array<bool, 4> AtisChGroup{};
    std::string AtisCode;
    std::array<bool, 4> AtisKillerChGroup{};

    bool operator==(const AtisCommonRecord&) const = default;
};

struct AtisCallSignEntry {
    std::string MID;
    std::string DISP;

    bool operator==(const AtisCallSignEntry&) const = default;
};

struct DirectoryRecord {
    bool Enable = false;
    std::string TagName;
    std::string Mmsid;

    bool operator==(const DirectoryRecord&) const = default;
};

// The radio's configuration taken apart for the editor, the settings file and the report.
// Lists numbered from 1 in the radio's terms (EXP channels, call signs, directory entries)
// keep entry k at element k - 1.
struct SettingsRecord {
    std::vector<ChannelRecord> CHUSA;
    std::vector<ChannelRecord> CHINT;
    std::vector<ChannelRecord> CHCAN;
    std::vector<ChannelRecord> CHWX;
    std::vector<ChannelRecord> CHEXP = std::vector<ChannelRecord>(ExpChannelCount);

    std::array<UsableGroupRecord, 4> UsableChGroup{};
    CommonSetupRecord CommonSetup;
    DscBasicSetupRecord DscBasicSetup;
    DscAdvancedSetupRecord DscAdvancedSetup;
    DscDisplaySetupRecord DscDisplaySetup{};
    AutoPosSetupRecord AutoPosSetup;
    AtisCommonRecord AtisCommon;
    std::array<AtisCallSignEntry, AtisCallSignCount> AtisCallSign{};

    std::array<DirectoryRecord, IndividualDirectorySize> CHMMSID{};
    std::array<DirectoryRecord, GroupDirectorySize> CHGRPID{};

    bool operator==(const SettingsRecord&) const = default;
};

} // namespace tq58
