#pragma once

#include "model/MemoryImage.h"
#include "model/SettingsRecord.h"

#include <vector>

namespace tq58 {

// Where a channel list lives in the memory image.
struct ChannelListLayout {
    std::vector<ChannelRecord> SettingsRecord::*list;
    int enableBitmap;
    int scanBitmap;
    int bitmapBytes;
    int names;
    int slots;
    int attributes; // USA, INTL, Canada: two-byte attribute entries; 0 for none
};

// USA, INTL, Canada, weather, in the codec's order.
inline constexpr ChannelListLayout PlanListLayouts[] = {
    {&SettingsRecord::CHUSA, 0x0200, 0x0300, 30, 0x1700, 240, 0x0500},
    {&SettingsRecord::CHINT, 0x0230, 0x0330, 30, 0x2900, 240, 0x0800},
    {&SettingsRecord::CHCAN, 0x0260, 0x0360, 30, 0x3B00, 240, 0x0B00},
    {&SettingsRecord::CHWX, 0x0290, 0x0390, 2, 0x4D00, 10, 0},
};

inline constexpr const ChannelListLayout& WxListLayout = PlanListLayouts[3];

inline constexpr ChannelListLayout ExpListLayout = {
    &SettingsRecord::CHEXP, 0x0294, 0x0394, 8, 0x4F00, 64, 0};

// EXP channel k (from 1) has its 16-byte record at 0x0E00 + 16 (k - 1); the group bits are
// its first byte, the channel's own fields start at the second.
constexpr int ExpRecords = 0x0E00;
constexpr int ExpRecordSize = 16;

constexpr int IndividualDirectoryBase = 0x5700;
constexpr int GroupDirectoryBase = 0x6400;
constexpr int DirectoryEntrySize = 16;

// The model code, high byte first, at the start and again at the end of the image.
constexpr int ModelCodeAddress = 0x0000;
constexpr int ModelCodeCopyAddress = ImageSize - 2;

constexpr int UsableGroupFlags = 0x00C0; // + 16 per group
constexpr int TxTotBits = 0x0036;
constexpr int PriorityChannels = 0x0046;
constexpr int UserMmsiAddress = 0x0190;
constexpr int AtisCodeAddress = 0x0196;
constexpr int AtisGroupBits = 0x019B;
constexpr int AtisCallSigns = 0x54F8;  // entry k at + 8 k
constexpr int AutoPosEntries = 0x01D0; // entry i at + 16 i

} // namespace tq58
