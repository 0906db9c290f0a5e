#include "model/Encoder.h"

#include "model/FieldCodec.h"
#include "model/ImageLayout.h"
#include "model/ModelCatalogue.h"

#include <algorithm>
#include <cstdlib>

namespace tq58 {

namespace {

std::uint8_t ByteOf(bool flag) {
    return flag ? 1 : 0;
}

int BitOf(bool flag) {
    return flag ? 1 : 0;
}

bool FitsByte(long value) {
    return value >= 0 && value <= 255;
}

std::string ListField(const char* list, std::size_t index, const char* field) {
    return std::string(list) + "[" + std::to_string(index) + "]." + field;
}

std::string FindUnstorableScramble(const SettingsRecord& settings) {
    const std::pair<const char*, const std::vector<ChannelRecord>*> lists[] = {
        {"CHUSA", &settings.CHUSA},
        {"CHINT", &settings.CHINT},
        {"CHCAN", &settings.CHCAN},
        {"CHEXP", &settings.CHEXP}};
    for (const auto& [name, list] : lists) {
        for (std::size_t i = 0; i < list->size(); ++i) {
            if (!FitsByte((*list)[i].Scramble)) {
                return ListField(name, i, "Scramble");
            }
        }
    }
    return "";
}

std::string FindUnstorableFrequency(const std::vector<ChannelRecord>& channels) {
    for (std::size_t i = 0; i < channels.size(); ++i) {
        if (!IsStorableFrequency(channels[i].Rxfreq)) {
            return ListField("CHEXP", i, "Rxfreq");
        }
        if (!IsStorableFrequency(channels[i].Txfreq)) {
            return ListField("CHEXP", i, "Txfreq");
        }
    }
    return "";
}

// A group whose list has no channel in use cannot be usable.
void SwitchOffEmptyGroups(SettingsRecord& settings) {
    const std::vector<ChannelRecord>* lists[] = {&settings.CHUSA, &settings.CHINT, &settings.CHCAN,
                                                 &settings.CHEXP};
    for (int g = 0; g < 4; ++g) {
        const auto& list = *lists[g];
        if (std::none_of(list.begin(), list.end(), [](const auto& c) { return c.Enable; })) {
            settings.UsableChGroup[g].Enable = false;
        }
    }
}

void EncodeUsableGroups(Image& image, const SettingsRecord& settings) {
    for (int g = 0; g < 4; ++g) {
        const UsableGroupRecord& group = settings.UsableChGroup[g];
        image[UsableGroupFlags + 16 * g] = ByteOf(group.Enable);
        SetBit(image[TxTotBits], BitOf(group.TxTot), 3 - g);
        if (g < GroupExp) {
            WriteWord(image, PriorityChannels + 2 * g, group.PriorityCh);
        }
        WriteText(image, UsableGroupFlags + 16 * g + 1, group.StatusName, 4);
    }
    const auto& expGroup = settings.UsableChGroup[GroupExp].ExpChGroup;
    const int groupBits = (expGroup[0] ? 8 : 0) + (expGroup[1] ? 4 : 0) + (expGroup[2] ? 2 : 0);
    for (int j = 0; j < ExpChannelCount; ++j) {
        std::uint8_t& byte = image[ExpRecords + ExpRecordSize * j];
        byte = static_cast<std::uint8_t>((byte & 0xF1) + groupBits);
    }
}

void EncodeCommonSetup(Image& image, CommonSetupRecord& common) {
    image[0x0028] = static_cast<std::uint8_t>(common.TxPoDisplay);
    image[0x0033] = ByteOf(common.Scan);
    image[0x0035] = static_cast<std::uint8_t>(common.ResumeTime);
    image[0x0034] = ByteOf(common.PttScanClear);
    common.OffsetTime = std::clamp(common.OffsetTime, -24, 24);
    const int sign = common.OffsetTime >= 0 ? 0x20 : 0;
    image[0x002B] =
        static_cast<std::uint8_t>(std::abs(common.OffsetTime) + sign + (image[0x002B] & 0x80));
    image[0x002D] = static_cast<std::uint8_t>(common.MagneticVariation);
    image[0x0040] = static_cast<std::uint8_t>(common.WeatherAlert);
    image[0x002F] = ByteOf(common.Rotary);
}

void EncodeDscBasicSetup(Image& image, const DscBasicSetupRecord& dsc) {
    for (int i = 0; i < 4; ++i) {
        image[0x0180 + i] = ByteOf(dsc.DscChGroup[i]);
    }
    WriteDigits(image, UserMmsiAddress, dsc.UserMmsi, true);
    std::uint8_t& basic = image[0x01A3];
    SetBit(basic, BitOf(dsc.PosRequest[0]), 2);
    SetBit(basic, BitOf(dsc.PosRequest[1]), 3);
    SetBit(basic, BitOf(dsc.PosRequest[2]), 7);
    SetBit(basic, BitOf(dsc.PosRequest[3]), 5);
    SetBit(basic, BitOf(dsc.PosRequestTX[2]), 6);
    SetBit(basic, BitOf(dsc.PosRequestTX[3]), 4);
    std::uint8_t& beep = image[0x01A4];
    SetBit(beep, BitOf(dsc.BeepOut[0]), 7);
    SetBit(beep, BitOf(dsc.BeepOut[1]), 6);
    SetBit(beep, BitOf(dsc.BeepOut[4]), 5);
    image[0x01A7] = ByteOf(dsc.BeepOut[2]);
    image[0x01A8] = ByteOf(dsc.BeepOut[3]);
    image[0x01A9] = ByteOf(dsc.BeepOut[5]);
    image[0x01AA] = ByteOf(dsc.BeepOut[6]);
}

void EncodeCallBits(std::uint8_t& byte, const std::array<bool, 4>& accepted,
                    const std::array<bool, 4>& tx) {
    for (int i = 0; i < 4; ++i) {
        SetBit(byte, BitOf(accepted[i]), 7 - i);
        SetBit(byte, BitOf(tx[i]), 3 - i);
    }
}

void EncodeDscAdvancedSetup(Image& image, const DscAdvancedSetupRecord& dsc) {
    EncodeCallBits(image[0x01A0], dsc.AllShipsCall, dsc.AllShipsCallTX);
    EncodeCallBits(image[0x01A1], dsc.GroupCall, dsc.GroupCallTX);
    EncodeCallBits(image[0x01A2], dsc.IndividualCall, dsc.IndividualCallTX);
}

void EncodeDscDisplaySetup(Image& image, const DscDisplaySetupRecord& display) {
    for (int i = 0; i < 3; ++i) {
        SetBit(image[0x01A4], BitOf(display[i]), 3 - i);
    }
}

void EncodeAutoPosSetup(Image& image, const AutoPosSetupRecord& autoPos) {
    image[0x0184] = ByteOf(autoPos.MENUDISPLAY);
    for (int i = 0; i < 2; ++i) {
        const AutoPosEntry& entry = autoPos.Entry[i];
        const int b = AutoPosEntries + 16 * i;
        image[0x01CD + i] = ByteOf(entry.ENABLE);
        image[b] = static_cast<std::uint8_t>((entry.CHANNEL & 0x7F00) / 256);
        image[b + 1] = static_cast<std::uint8_t>(entry.CHANNEL & 0xFF);
        image[b + 2] = static_cast<std::uint8_t>(entry.INTERVAL);
        image[b + 9] = static_cast<std::uint8_t>(entry.SELECTCALL);
        if (entry.SELECTCALL == 0 || entry.SELECTCALL == 1) {
            image[0x01C6 + 2 * i + entry.SELECTCALL] = static_cast<std::uint8_t>(entry.LASTADDRESS);
        }
        image[b + 3] = ByteOf(entry.RCENABLE);
        WriteDigits(image, b + 4, entry.MMSI, true);
    }
}

void EncodeAtis(Image& image, const SettingsRecord& settings) {
    const AtisCommonRecord& atis = settings.AtisCommon;
    for (int i = 0; i < 4; ++i) {
        SetBit(image[AtisGroupBits], BitOf(atis.AtisChGroup[i]), 7 - i);
    }
    WriteDigits(image, AtisCodeAddress, atis.AtisCode, false);
    for (int i = 0; i < 4; ++i) {
        SetBit(image[AtisGroupBits], BitOf(atis.AtisKillerChGroup[i]), 3 - i);
    }
    for (int k = 1; k <= AtisCallSignCount; ++k) {
        const int a = AtisCallSigns + 8 * k;
        WriteCallSignText(image, a, settings.AtisCallSign[k - 1].MID);
        WriteCallSignText(image, a + 3, settings.AtisCallSign[k - 1].DISP);
    }
}

// Whole bytes from the list's first record; the byte in which the list ends is the last one
// written, so a list ending on a byte boundary also clears the byte after it.
void EncodeBitmap(Image& image, int address, int bytes, const std::vector<ChannelRecord>& list,
                  bool ChannelRecord::*flag) {
    const int size = static_cast<int>(list.size());
    for (int b = 0; b < bytes; ++b) {
        std::uint8_t byte = 0;
        for (int m = 0; m < 8 && 8 * b + m < size; ++m) {
            SetBit(byte, BitOf(list[8 * b + m].*flag), 7 - m);
        }
        image[address + b] = byte;
        if (size < 8 * b + 8) {
            break;
        }
    }
}

void EncodeBitmapsAndNames(Image& image, const ChannelListLayout& layout,
                           const std::vector<ChannelRecord>& list) {
    EncodeBitmap(image, layout.enableBitmap, layout.bitmapBytes, list, &ChannelRecord::Enable);
    EncodeBitmap(image, layout.scanBitmap, layout.bitmapBytes, list, &ChannelRecord::ScanMemory);
    const int named = std::min(static_cast<int>(list.size()), layout.slots);
    for (int n = 0; n < named; ++n) {
        WriteText(image, layout.names + 16 * n, list[n].ChTag, 16);
    }
}

// Attribute bits 7-6 power, 4 PowUp, 3-1 scrambler code; duplex and narrow are list specific.
std::uint8_t AttributeByte(const ChannelRecord& record) {
    std::uint8_t byte = 0;
    SetBits(byte, 2, 7, !record.TxEnable ? 0 : record.LowPower ? 1 : 3);
    SetBit(byte, BitOf(record.PowUp), 4);
    SetBits(byte, 3, 3, record.Scramble & 0x07);
    return byte;
}

void EncodePlanList(Image& image, const ChannelListLayout& layout,
                    const std::vector<ChannelRecord>& list) {
    EncodeBitmapsAndNames(image, layout, list);
    if (layout.attributes == 0) {
        return;
    }
    const int count = std::min(static_cast<int>(list.size()), layout.slots);
    for (int n = 0; n < count; ++n) {
        std::uint8_t attribute = AttributeByte(list[n]);
        SetBit(attribute, BitOf(list[n].Duplex && list[n].DuplexCapable), 5);
        image[layout.attributes + 2 * n] = attribute;
    }
}

std::string ExpDisplayText(const ChannelRecord& record) {
    std::string left = record.CHDisplayL.substr(0, 2);
    left.resize(2, ' ');
    const char right = record.CHDisplayR.empty() ? ' ' : record.CHDisplayR.back();
    return left + right;
}

void EncodeExpChannels(Image& image, const std::vector<ChannelRecord>& list) {
    EncodeBitmapsAndNames(image, ExpListLayout, list);
    const int count = std::min(static_cast<int>(list.size()), ExpListLayout.slots);
    for (int n = 0; n < count; ++n) {
        const ChannelRecord& record = list[n];
        const int r = ExpRecords + ExpRecordSize * n + 1;
        std::uint8_t attribute = AttributeByte(record);
        SetBit(attribute, BitOf(record.Narrow), 0);
        image[r] = attribute;
        WriteText(image, r + 1, ExpDisplayText(record), 3);
        WriteFrequency(image, r + 4, record.Rxfreq);
        WriteFrequency(image, r + 7, record.Txfreq);
    }
}

template <std::size_t N>
void EncodeDirectory(Image& image, int base, const std::array<DirectoryRecord, N>& directory) {
    for (std::size_t k = 0; k < N; ++k) {
        const int a = base + DirectoryEntrySize * static_cast<int>(k);
        WriteDigits(image, a, directory[k].Mmsid, true);
        WriteText(image, a + 5, directory[k].TagName, 11);
    }
}

} // namespace

std::string FindUnstorableField(const SettingsRecord& settings) {
    const CommonSetupRecord& common = settings.CommonSetup;
    const std::pair<const char*, long> plainBytes[] = {
        {"TxPoDisplay", common.TxPoDisplay},
        {"ResumeTime", common.ResumeTime},
        {"MagneticVariation", common.MagneticVariation},
        {"Weater", common.WeatherAlert}};
    for (const auto& [name, value] : plainBytes) {
        if (!FitsByte(value)) {
            return name;
        }
    }
    for (int i = 0; i < 2; ++i) {
        const AutoPosEntry& entry = settings.AutoPosSetup.Entry[i];
        const std::string prefix = "AutoPosSetup.Entry[" + std::to_string(i) + "].";
        if (!FitsByte(entry.INTERVAL)) {
            return prefix + "INTERVAL";
        }
        if (!FitsByte(entry.SELECTCALL)) {
            return prefix + "SELECTCALL";
        }
        const bool lastAddressStored = entry.SELECTCALL == 0 || entry.SELECTCALL == 1;
        if (lastAddressStored && !FitsByte(entry.LASTADDRESS)) {
            return prefix + "LASTADDRESS";
        }
    }
    for (int g = 0; g < GroupExp; ++g) {
        if (settings.UsableChGroup[g].PriorityCh > 65535) {
            return "UsableChGroup[" + std::to_string(g) + "].PriorityCh";
        }
    }
    if (std::string scramble = FindUnstorableScramble(settings); !scramble.empty()) {
        return scramble;
    }
    return FindUnstorableFrequency(settings.CHEXP);
}

Outcome EncodeImage(RadioData& data, const ModelState& model) {
    SettingsRecord& settings = data.Settings;
    if (const std::string field = FindUnstorableField(settings); !field.empty()) {
        return Outcome::Failure({}, MessageIcon::Exclamation, {}, "cannot store " + field);
    }
    if (IsKnownModel(model.ModelType)) {
        SwitchOffEmptyGroups(settings);
    }
    Image& image = data.MemoryImage;
    EncodeUsableGroups(image, settings);
    EncodeCommonSetup(image, settings.CommonSetup);
    EncodeDscBasicSetup(image, settings.DscBasicSetup);
    EncodeDscAdvancedSetup(image, settings.DscAdvancedSetup);
    EncodeDscDisplaySetup(image, settings.DscDisplaySetup);
    EncodeAutoPosSetup(image, settings.AutoPosSetup);
    EncodeAtis(image, settings);
    for (const ChannelListLayout& layout : PlanListLayouts) {
        EncodePlanList(image, layout, settings.*layout.list);
    }
    EncodeDirectory(image, IndividualDirectoryBase, settings.CHMMSID);
    EncodeDirectory(image, GroupDirectoryBase, settings.CHGRPID);
    EncodeExpChannels(image, settings.CHEXP);
    return Outcome::Success();
}

} // namespace tq58
